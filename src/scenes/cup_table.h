#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "runtime/forms/image_control.h"
#include "runtime/forms/label_control.h"
#include "runtime/forms/line_control.h"
#include "runtime/forms/picture_box.h"
#include "scenes/scene_context.h"

namespace talvora {

// The fifth scene: the results of the 1998 Cup from tabela.ini, one stage a
// tick on a coloured panel at a random place; in preview only the badge moves.
class CupTable {
 public:
  static constexpr int kStages = 14;
  static constexpr int kRows = 6;
  static constexpr int kLines = 5;
  static constexpr int kBackgrounds = 5;

  explicit CupTable(Form& window);

  // Divides the backgrounds strip into its five panels, as the window does at load.
  void DivideBackgrounds(const SaverPictures& pictures);
  void ShowCupTable(const SceneContext& context);

  std::int16_t TableStage() const { return TableStage_; }
  const std::string& TableSection() const { return TableSection_; }
  const PictureBox& Panel() const { return picTabela; }

 private:
  void ShowStage(const SceneContext& context);

  PictureBox picTabela;
  LabelControl lblGrupo;
  std::array<LabelControl, kRows> lblJogo01Dia;
  std::array<LabelControl, kRows> lblJogo01;
  std::array<LineControl, kLines> Line1;
  ImageControl Image1;
  PictureStrip backgrounds_;
  std::int16_t TableStage_ = 0;
  std::string TableSection_;
  std::string tableFile_;  // kept from stage to stage, so that naming it allocates nothing
};

}  // namespace talvora

#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

  // Gives the badge to its image, as the window does at load.
  void LoadBadge(const SaverPictures& pictures);
  void ShowCupTable(const SceneContext& context);

  std::int16_t TableStage() const { return TableStage_; }
  const std::string& TableSection() const { return TableSection_; }
  const PictureBox& Panel() const { return picTabela; }

 private:
  void ShowStage(const SceneContext& context);
  // The backgrounds strip divided into its five panels; divided when the
  // table first shows, so that a saver showing another scene never makes it.
  const PictureStrip& Backgrounds(const SaverPictures& pictures);

  PictureBox picTabela;
  LabelControl lblGrupo;
  std::array<LabelControl, kRows> lblJogo01Dia;
  std::array<LabelControl, kRows> lblJogo01;
  std::array<LineControl, kLines> Line1;
  ImageControl Image1;
  std::optional<PictureStrip> backgrounds_;
  std::int16_t TableStage_ = 0;
  std::string TableSection_;
  std::string tableFile_;  // kept from stage to stage, so that naming it allocates nothing
};

}  // namespace talvora

#include "dialogs/about_form.h"

#include <gtest/gtest.h>

#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutFormTest : public ::testing::Test {
 protected:
  // Opens the credits box with Escape from the setup dialog and runs
  // `whileOpen` on it.
  void WithCredits(const std::function<void(const AboutForm&)>& whileOpen) {
    harness.Start("/c");
    harness.Then([&] {
      const auto* credits =
          dynamic_cast<const AboutForm*>(harness.Session().Runtime().ActiveForm());
      ASSERT_NE(credits, nullptr);
      whileOpen(*credits);
    });
    harness.Key(kKeyEscape);
  }

  SaverHarness harness;
};

TEST_F(AboutFormTest, ShowsTheVersionAndTheDefaultLinksAndOkStoresThem) {
  WithCredits([&](const AboutForm& credits) {
    EXPECT_EQ(credits.Version().Caption(), "Versão 1.0.0");
    EXPECT_EQ(credits.Link(2).Caption(), "Email: contato@talvora.example");
    EXPECT_EQ(credits.Link(3).Caption(), "WWW: http://www.talvora.example/");
    harness.Key(kKeyReturn);
  });
  EXPECT_EQ(harness.Stored("Email"), "contato@talvora.example");
  EXPECT_EQ(harness.Stored("Url"), "http://www.talvora.example/");
  EXPECT_EQ(harness.StoredCount(), 22u);
  EXPECT_EQ(harness.ActiveFormName(), "SetupForm");
}

TEST_F(AboutFormTest, EscapeAlsoPressesOkAndTheCloseBoxStoresNothing) {
  WithCredits([&](const AboutForm&) { harness.Key(kKeyEscape); });
  EXPECT_EQ(harness.StoredCount(), 22u);

  SaverHarness closed;
  closed.Start("/c");
  closed.Then([&] {
    ScriptEvent close;
    close.kind = ScriptEvent::Kind::kClose;
    close.form = "frmAbout";
    closed.Deliver(close);
  });
  closed.Key(kKeyEscape);
  EXPECT_EQ(closed.StoredCount(), 0u);
  EXPECT_EQ(closed.ActiveFormName(), "SetupForm");
}

TEST_F(AboutFormTest, LinksOpenThroughTheShellWithTheSettingsOfTheMomentOfTheClick) {
  harness.Store("Email", "velho@talvora.example");
  WithCredits([&](const AboutForm& credits) {
    harness.Store("Email", "novo@talvora.example");
    harness.ClickControl("lblDescription(2)");
    harness.ClickControl("lblDescription(3)");
    EXPECT_EQ(credits.Link(2).Caption(), "Email: velho@talvora.example");
    harness.ClickControl("cmdOK");
  });
  const auto& executed = harness.Session().Shell().Executed();
  ASSERT_EQ(executed.size(), 2u);
  EXPECT_EQ(executed[0].file, "mailto:novo@talvora.example");
  EXPECT_EQ(executed[0].verb, "");
  EXPECT_EQ(executed[0].directory, "c:\\");
  EXPECT_EQ(executed[0].showCommand, 1);
  EXPECT_EQ(executed[1].file, "http://www.talvora.example/");
  EXPECT_EQ(harness.Trace().Of("call", "fn", "ShellExecuteA").size(), 2u);
}

TEST_F(AboutFormTest, ALinkTurnsRedUnderThePointerAndBlueOverTheBackground) {
  WithCredits([&](const AboutForm& credits) {
    Form& form = *harness.Session().Runtime().ActiveForm();
    harness.HoverControl("lblDescription(2)");
    EXPECT_EQ(credits.Link(2).ForeColor(), AboutForm::kLinkHoverColor);
    EXPECT_EQ(form.Pointer(), MousePointer::kHand);
    harness.HoverControl("lblDescription(3)");
    EXPECT_EQ(credits.Link(2).ForeColor(), AboutForm::kLinkColor);
    EXPECT_EQ(credits.Link(3).ForeColor(), AboutForm::kLinkHoverColor);
    // The terms take no notice of the mouse: the link stays red.
    harness.HoverControl("lblDisclaimer");
    EXPECT_EQ(credits.Link(3).ForeColor(), AboutForm::kLinkHoverColor);
    EXPECT_EQ(form.Pointer(), MousePointer::kDefault);
    harness.HoverControl("lblDescription2(2)");
    EXPECT_EQ(credits.Link(3).ForeColor(), AboutForm::kLinkColor);
    harness.HoverControl("lblDescription(2)");
    harness.MouseMove(5, 250);  // the background
    EXPECT_EQ(credits.Link(2).ForeColor(), AboutForm::kLinkColor);
    harness.ClickControl("cmdOK");
  });
}

TEST_F(AboutFormTest, WithoutSystemInformationItSaysSo) {
  std::string shown;
  WithCredits([&](const AboutForm&) {
    harness.Then([&] {
      shown = harness.ActiveFormName();
      harness.Key(kKeyReturn);
    });
    harness.ClickControl("cmdSysInfo");
    EXPECT_EQ(harness.ActiveFormName(), "frmAbout");
    harness.ClickControl("cmdOK");
  });
  EXPECT_EQ(shown, "MsgBox");
  const auto boxes = harness.Trace().Of("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Get("text"), "System Information Is Unavailable At This Time");
  EXPECT_EQ(boxes[0].Get("caption"), "Talvora");
  EXPECT_TRUE(harness.Session().Shell().Started().empty());
}

struct SysInfoCase {
  const char* name;
  const char* msinfoPath;  // nullptr: not in the registry
  const char* toolsFolder;
  const char* started;  // the program started, nullptr for none
};

std::ostream& operator<<(std::ostream& out, const SysInfoCase& c) { return out << c.name; }

class SysInfoTest : public AboutFormTest, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(SysInfoTest, StartsTheToolFromTheFirstEntryThatNamesIt) {
  const SysInfoCase& c = GetParam();
  if (c.msinfoPath != nullptr)
    harness.StoreAt(RegistryRoot::kLocalMachine, kMsinfoKey, "PATH", c.msinfoPath);
  if (c.toolsFolder != nullptr)
    harness.StoreAt(RegistryRoot::kLocalMachine, kToolsKey, "MSINFO", c.toolsFolder);
  WithCredits([&](const AboutForm&) {
    harness.Key('S');  // without Alt: nothing
    harness.Session().Runtime().ActiveForm()->RaiseKeyDown('S', kAltMask);
    harness.ClickControl("cmdOK");
  });
  const auto& started = harness.Session().Shell().Started();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].path, c.started);
  EXPECT_EQ(started[0].showCommand, 1);
  EXPECT_TRUE(harness.Trace().Of("msgbox").empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, SysInfoTest,
                         ::testing::Values(SysInfoCase{"path", "C:\\Arquivos\\msinfo32.exe",
                                                       "C:\\Tools", "C:\\Arquivos\\msinfo32.exe"},
                                           SysInfoCase{"folder", nullptr, "C:\\Tools",
                                                       "C:\\Tools\\MSINFO32.EXE"}));

}  // namespace
}  // namespace talvora

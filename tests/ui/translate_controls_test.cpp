// The dialog's texts and accelerators after translation, on the dialog's 28
// controls built in the stand-in with their template texts, the host setting
// each text into its control.
#include "ui/translate_controls.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "l10n/dialog_translations.h"
#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "support/sim_host_fixture.h"

namespace {

struct TemplateControl {
  int id;
  const char* class_name;
  const char* text;
};

const TemplateControl kTemplate[] = {
    {101, "Button", "Process range"}, {102, "Button", "&Current page"}, {103, "Button", "&All pages"},
    {104, "Button", "Si&ngle page"}, {105, "Button", "&Selected pages"}, {106, "Edit", ""},
    {107, UPDOWN_CLASSA, ""}, {108, "Static", "to"}, {109, "Edit", ""}, {110, UPDOWN_CLASSA, ""},
    {111, "Button", "Extra page margins"}, {112, "Static", "&Top:"}, {113, "Edit", ""},
    {114, UPDOWN_CLASSA, ""}, {115, "Static", "&Bottom:"}, {116, "Edit", ""}, {117, UPDOWN_CLASSA, ""},
    {118, "Button", "Multiple systems"}, {119, "Button", "&Keep topmost system still"},
    {120, "Button", "&Include existing gaps in calc."}, {121, "Button", "Co&mpact"},
    {122, "Button", "Single systems"}, {123, "Button", "&Leave alone"}, {124, "Button", "To&p"},
    {125, "Button", "C&enter"}, {126, "Button", "B&ottom"}, {1, "Button", "Apply"}, {8, "Button", "Close"},
};

using Texts = std::map<int, std::string>;

class TranslateControls : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.override("FX_SetDlgString", [](const sim::Args& a) -> FxWord {
      return SetDlgItemTextA(reinterpret_cast<HWND>(a[0]), int(a[1]), reinterpret_cast<const char*>(a[2]));
    });
    dialog = standin::create_window(nullptr, "#32770", 0, "KV Dunvaro  v 1.20", WS_POPUP, RECT{0, 0, 400, 300});
    for (const TemplateControl& c : kTemplate)
      standin::create_window(dialog, c.class_name, c.id, c.text, 0, RECT{0, 0, 60, 10});
  }
  void TearDown() override { PDKToolsGlobals.userLanguage = 0; }

  void expect_texts(const Texts& expected, const char* language) {
    for (const TemplateControl& c : kTemplate) {
      char text[200];
      GetDlgItemTextA(dialog, c.id, text, sizeof text);
      const auto found = expected.find(c.id);
      const std::string wanted = found != expected.end() ? found->second : c.text;
      EXPECT_EQ(text, wanted) << language << ", control " << c.id;
    }
  }

  HWND dialog = nullptr;
};

const Texts kEnglish = {
    {1, "Apply"}, {8, "C&lose"}, {108, "to"}, {101, "Process range"}, {102, "&Current page"},
    {103, "&All pages"}, {104, "&Single page"}, {105, "S&elected pages"}, {111, "Extra page margins"},
    {112, "&Top:"}, {115, "&Bottom:"}, {118, "Multiple systems"}, {119, "&Keep topmost system still"},
    {120, "&Include existing gaps in calc."}, {121, "C&ompact"}, {122, "Single systems"},
    {123, "Leave alone"}, {124, "Top"}, {125, "Center"}, {126, "Bottom"},
};

TEST_F(TranslateControls, GivesTheEnglishDialogItsLabelsAndFreshAccelerators) {
  KVTR_UI_TranslateControls(dialog);
  expect_texts(kEnglish, "English");
  EXPECT_EQ(host.log().count("FX_SetDlgString"), 19);
}

TEST_F(TranslateControls, GivesTheSwedishDialogSwedishLabelsAndTheirCapitals) {
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  KVTR_UI_TranslateControls(dialog);
  expect_texts({{1, "Verkst\xE4ll"}, {8, "&St\xE4ng"}, {108, "till"}, {101, "Arbetsavsnitt"},
                {102, "&Current page"}, {103, "&Alla sidor"}, {104, "&Enstaka sida"}, {105, "&Valda sidor"},
                {111, "Extra sidmarginaler"}, {112, "&\xD6verst:"}, {115, "&Nederst:"}, {118, "Flera system"},
                {119, "&H\xE5ll \xF6versta systemet still"}, {120, "&Ta med befintliga mellanrum"},
                {121, "&Kompakt"}, {122, "Ensamma system"}, {123, "G\xF6r ingenting"}, {124, "\xD6verst"},
                {125, "Centrera"}, {126, "Nederst"}},
               "Svenska");
}

TEST_F(TranslateControls, GivesVlaamsTheDutchWordsAndEnglishLabels) {
  PDKToolsGlobals.userLanguage = kLanguageVlaams;
  KVTR_UI_TranslateControls(dialog);
  Texts expected = kEnglish;
  expected[1] = "Toepassen";
  expected[8] = "&Sluiten";
  expected[108] = "tot";
  expected[104] = "Si&ngle page";
  expected[105] = "S&elected pages";
  expect_texts(expected, "Vlaams");
}

TEST_F(TranslateControls, GivesTheSameResultWhenRunAgainInAnotherLanguage) {
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  KVTR_UI_TranslateControls(dialog);
  PDKToolsGlobals.userLanguage = kLanguageEnglishAmerican;
  KVTR_UI_TranslateControls(dialog);
  expect_texts(kEnglish, "English after Svenska");
  KVTR_UI_TranslateControls(dialog);
  expect_texts(kEnglish, "English twice");
}

TEST_F(TranslateControls, RespectsTheLetterOfTheCurrentPageLabel) {
  SetDlgItemTextA(dialog, 102, "Current Page (&3)");
  KVTR_UI_TranslateControls(dialog);
  Texts expected = kEnglish;
  expected[102] = "Current Page (&3)";
  expected[8] = "&Close";  // and Compact, later in the list, still takes the O
  expect_texts(expected, "English, page 3 label");
}

TEST_F(TranslateControls, TranslateOneControlSetsTheTableTextInTheUsersLanguage) {
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  _TranslateOneControl(dialog, 123, translLeaveAlone, 2);
  char text[100];
  GetDlgItemTextA(dialog, 123, text, sizeof text);
  EXPECT_STREQ(text, "G\xF6r ingenting");
  _TranslateOneControl(dialog, 123, translLeaveAlone, 14);
  GetDlgItemTextA(dialog, 123, text, sizeof text);
  EXPECT_STREQ(text, "") << "a table the lookup refuses gives an empty text";
}

}  // namespace

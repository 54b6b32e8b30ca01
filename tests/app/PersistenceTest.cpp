#include <gtest/gtest.h>

#include <algorithm>

#include "MainWindowFixture.h"
#include "calc/texts/ResultColumns.h"
#include "app/files/LanguageFile.h"
#include "app/start/LanguageTemplate.h"
#include "app/files/LanguageTexts.h"
#include "app/main/MainSettings.h"
#include "app/about/frmAbout.h"
#include "app/chart/frmChart.h"
#include "forms/Screen.h"
#include "forms/testing/UserInput.h"
#include "os/windows/Menu.h"

namespace {

constexpr auto kMarks = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::Marks));

using forms::testing::ClearByTyping;
using forms::testing::TypeText;

TEST_F(MainWindowTest, SettingsSurviveARestart) {
    Open();
    ClearByTyping(GearBox(0));
    TypeText(GearBox(0), "24");
    Inputs().leadscrewUnit[1]->SetOptionValue(true);
    ClearByTyping(Inputs().leadscrewTpi);
    TypeText(Inputs().leadscrewTpi, "12");
    Inputs().requestUnit[1]->SetOptionValue(true);
    ClearByTyping(Inputs().toleranceTpi);
    TypeText(Inputs().toleranceTpi, "0.3");
    Inputs().includeLow.SetCheckValue(1);
    ClearByTyping(Inputs().ratioRight);
    TypeText(Inputs().ratioRight, "30");
    window->Window().Move(1500, 900, 8010, 7005);
    os::ProcessPendingEvents();
    CloseWindow();

    Open();
    EXPECT_EQ(window->Gears().Count(0), 24);
    EXPECT_EQ(GearBox(0).Text(), "24");
    EXPECT_TRUE(Inputs().leadscrewUnit[1]->OptionValue());
    EXPECT_FALSE(Inputs().leadscrewUnit[0]->OptionValue());
    EXPECT_EQ(Inputs().leadscrewTpi.Text(), "12");
    EXPECT_TRUE(Inputs().requestUnit[1]->OptionValue());
    EXPECT_EQ(Inputs().toleranceTpi.Text(), "0.3");
    EXPECT_EQ(Inputs().includeLow.CheckValue(), 1);
    EXPECT_EQ(Inputs().includeIntersecting.CheckValue(), 0);
    EXPECT_EQ(Inputs().ratioRight.Text(), "30");
    EXPECT_EQ(window->Window().Left(), 1500);
    EXPECT_EQ(window->Window().Top(), 900);
    EXPECT_EQ(window->Window().Width(), 8010);
    EXPECT_EQ(window->Window().Height(), 7005);
}

TEST_F(MainWindowTest, ShutDownWritesTheKeysInTheirForms) {
    Open();
    ClearByTyping(GearBox(1));
    CloseWindow();
    const std::string ini = Ini();
    for (const char* line : {"gears_0=20\n", "gears_1=30\n", "gears_10=80\n", "Gears_count=10\n", "optScrew0=True\n",
                             "optScrew1=False\n", "screwpitchm=1.5\n", "optPitch0=True\n", "txtPrecm=0.1\n",
                             "chkLow=0\n", "chkAll=0\n", "prevl=40\n", "[frmMain]\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
    EXPECT_EQ(ini.find("gears_11="), std::string::npos);
}

// Every key read from a file and written into a new one comes out as it
// went in, byte for byte: the same keys, order, spelling and forms. No value
// is a factory one, so a key that is not read or written shows.
TEST_F(MainWindowTest, EveryStoredKeyIsWrittenBackAsItWasRead) {
    const std::string sets = "[sets]\ngears_0=24\ngears_1=127\nGears_count=1\noptScrew0=False\noptScrew1=True\n"
                             "screwpitchm=2\nscrewpitchi=10\noptPitch0=False\noptPitch1=True\ntxtPreci=0.3\n"
                             "txtPrecm=0.25\nchkLow=1\nchkAll=2\nprevl=30\nprevr=45\n";
    WriteIni(sets);
    Open(false);
    app::SetIniPath(folder.File("written.ini"));
    app::WriteMainSettings(*window);
    EXPECT_EQ(TempFolder::Read(folder.File("written.ini")), sets);
}

TEST_F(MainWindowTest, AListWithAnEmptiedMiddleBoxIsSavedAsTwoGears) {
    Open();
    for (int n = 0; n <= 11; ++n) ClearByTyping(GearBox(n));
    TypeText(GearBox(0), "20");
    TypeText(GearBox(2), "30");
    CloseWindow();
    const std::string ini = Ini();
    EXPECT_NE(ini.find("gears_0=20\n"), std::string::npos);
    EXPECT_NE(ini.find("gears_1=30\n"), std::string::npos);
    EXPECT_NE(ini.find("Gears_count=1\n"), std::string::npos);
}

TEST_F(MainWindowTest, HandEditedSettingsFallBackToDefaults) {
    struct Case {
        const char* sets;
        std::vector<std::int32_t> gears;
    };
    const Case cases[] = {
        {"Gears_count=-1\n", {0}},
        {"Gears_count=2\ngears_0=24\ngears_1=x\ngears_2=2.5\n", {24, 20, 2}},
        {"Gears_count=many\n", {20, 20, 30, 35, 40, 40, 45, 50, 60, 60, 80, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sets);
        WriteIni(std::string("[sets]\n") + c.sets + "optScrew0=perhaps\nchkAll=7\nchklow=TRUE\n");
        Open();
        EXPECT_EQ(GearList(), c.gears);
        EXPECT_TRUE(Inputs().leadscrewUnit[0]->OptionValue());
        EXPECT_EQ(Inputs().includeIntersecting.CheckValue(), 0);
        EXPECT_EQ(Inputs().includeLow.CheckValue(), 0);  // a Boolean word is no check state
        window.reset();
    }
}

TEST_F(MainWindowTest, CountBeyondTheLastGearBoxIsHeldThere) {
    std::string sets = "[sets]\nGears_count=99\n";
    for (int n = 0; n <= 99; ++n) sets += "gears_" + std::to_string(n) + "=" + std::to_string(10 + n) + "\n";
    WriteIni(sets);
    Open();
    EXPECT_EQ(window->Gears().Upper(), 55);
    EXPECT_EQ(GearBox(55).Text(), "65");
}

TEST_F(MainWindowTest, AnAllEmptyListIsWrittenAsMinusOne) {
    WriteIni("[sets]\nGears_count=-1\n");
    Open();
    for (int n = 0; n < 12; ++n) EXPECT_EQ(GearBox(n).Text(), "") << n;
    CloseWindow();
    EXPECT_NE(Ini().find("Gears_count=-1\n"), std::string::npos);
}

TEST_F(MainWindowTest, StoredPlacementIsKeptOnTheScreen) {
    const auto screenWidth = static_cast<std::int32_t>(forms::ScreenWidth());
    const auto screenHeight = static_cast<std::int32_t>(forms::ScreenHeight());
    struct Case {
        std::int32_t x, y, w, h;
        std::int32_t left, top;
    };
    const Case cases[] = {
        {1200, 600, 7500, 7995, 1200, 600},
        {screenWidth, 0, 7500, 7995, screenWidth - 7500, 0},
        {-300, -45, 7500, 7995, 0, 0},
        {0, screenHeight, 7500, 7995, 0, screenHeight - 7995},
        {0, 0, screenWidth + 1500, 7995, 0, 0},  // held to the screen's width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.w));
        WriteIni("[frmMain]\nx=" + std::to_string(c.x) + "\ny=" + std::to_string(c.y) + "\nw=" +
                 std::to_string(c.w) + "\nh=" + std::to_string(c.h) + "\n");
        Open(false);
        EXPECT_EQ(window->Window().Left(), c.left);
        EXPECT_EQ(window->Window().Top(), c.top);
        EXPECT_EQ(window->Window().Width(), std::min<std::int32_t>(c.w, forms::AvailableWidth()));
        window.reset();
    }
}

// The size stored is the inside size: it comes back the same session after
// session, however thick a frame the window manager puts round the window.
TEST_F(MainWindowTest, AnUntouchedWindowKeepsItsSizeOverSessions) {
    WriteIni("[frmMain]\nw=9000\nh=9000\n");
    Open();
    const std::int32_t width = window->Window().ScaleWidth(), height = window->Window().ScaleHeight();
    EXPECT_EQ(width, std::min<std::int32_t>(9000, forms::AvailableWidth()));
    EXPECT_EQ(height, std::min<std::int32_t>(9000, forms::AvailableHeight()));
    const std::string size = "w=" + std::to_string(width) + "\nh=" + std::to_string(height) + "\n";
    for (int session = 0; session < 5; ++session) {
        SCOPED_TRACE(session);
        CloseWindow();
        EXPECT_NE(Ini().find(size), std::string::npos) << Ini();
        Open();
        EXPECT_EQ(window->Window().ScaleWidth(), width);
        EXPECT_EQ(window->Window().ScaleHeight(), height);
    }
}

TEST_F(MainWindowTest, ReadingChklowAndWritingChkLowIsOneEntry) {
    WriteIni("[SETS]\nCHKLOW=1\n");
    Open();
    EXPECT_EQ(Inputs().includeLow.CheckValue(), 1);
    Inputs().includeLow.SetCheckValue(0);
    CloseWindow();
    EXPECT_EQ(Ini().find("CHKLOW"), std::string::npos);
    EXPECT_NE(Ini().find("chkLow=0"), std::string::npos);
}

TEST_F(MainWindowTest, LanguageFileReplacesOnlyWhatItHolds) {
    WriteLang("[frmMain]\nbtnCalc=Go\nOption1=x\nchkAll_tt=Tip\nImage1=ignored\nvbGrid1=ignored\nlblPrev=\n"
              "gridPitch=Steigung\ncaption=Gewinde\nabout=Info\n");
    Open();
    EXPECT_EQ(Controls().calculate.Caption(), "Go");
    EXPECT_EQ(Inputs().requestUnit[0]->Caption(), "x");
    EXPECT_EQ(Inputs().requestUnit[1]->Caption(), "x");
    EXPECT_EQ(Inputs().includeIntersecting.ToolTipText(), "Tip");
    EXPECT_EQ(Inputs().includeLow.ToolTipText(), "Some gear sets may be too small to reach each other");
    EXPECT_EQ(Controls().ratioLabel.Caption(), "Prev Divisor");
    EXPECT_EQ(Controls().gearFrame.Caption(), "Gears set");
    EXPECT_EQ(window->Window().Caption(), "Gewinde");
    EXPECT_EQ(window->Grid().ColumnHeader(runtime::Variant(6)), "Steigung");
    EXPECT_EQ(window->Grid().ColumnHeader(runtime::Variant(kMarks)), "comm");
    EXPECT_EQ(os::GetMenuItems(os::GetSystemMenu(window->Window().hWnd(), false)).back().text, "&Info");
}

TEST_F(MainWindowTest, SettingsWinOverLanguageTextsForInputBoxes) {
    WriteLang("[frmMain]\nprevL=12\nreqPitch=2\n");
    Open();
    EXPECT_EQ(Inputs().ratioLeft.Text(), "40");
    EXPECT_EQ(Inputs().request.Text(), "2");
}

TEST_F(MainWindowTest, TemplateHoldsTooltipKeysAndCurrentTexts) {
    Open();
    EXPECT_TRUE(app::WriteLanguageTemplate(window->Window()));
    const std::string lang = TempFolder::Read(folder.File("lang.txt"));
    for (const char* line : {"[frmMain]\n", "ttPrint=\n", "precM_tt=Precision for metric threads\n",
                             "precI_tt=Precision for inch threads\n", "chkLow_tt=Some gear sets may be too small",
                             "chkAll_tt=Some gear sets can intersects", "btnCalc=Calculate!\n",
                             "Frame3=Pitch reqired\n", "txtPrecM=0.1\n", "Option1(0)=mm\n", "Option1(1)=/inch\n"})
        EXPECT_NE(lang.find(line), std::string::npos) << line;
    // Each element of an array has a key of its own, with its index.
    EXPECT_NE(lang.find("t_gears(11)=80\n"), std::string::npos);
    EXPECT_EQ(lang.find("Option1="), std::string::npos);
    for (const char* key : {"caption=", "gridPitch=", "gridComm=", "gridtt=", "about=", "saveas=", "Image1=",
                            "vbGrid1="})
        EXPECT_EQ(lang.find(key), std::string::npos) << key;
}

// Every text the user sees in the four windows, and the messages' texts.
class WindowTextsTest : public MainWindowTest {
protected:
    std::vector<std::string> AllTexts() {
        Open();
        window->Chart().Show();
        window->About().Show();
        window->ShowPreview();
        os::ProcessPendingEvents();
        std::vector<std::string> texts;
        for (const forms::Form* form : {&window->Window(), &window->Chart().Current()->Window(),
                                        &window->About().Current()->Window(), &window->Preview()->Window()}) {
            texts.push_back(form->Name() + " title: " + form->Caption());
            for (const forms::Control* control : form->Controls())
                texts.push_back(form->Name() + "." + control->Name() + "(" + std::to_string(control->Index()) +
                                "): " + control->Caption() + " | " + control->Text() + " | " + control->ToolTipText());
        }
        for (grid::VbGrid* grid : {&window->Grid(), &window->Chart().Current()->Grid()})
            for (std::int32_t c = 0; c < grid->Cols(); ++c)
                texts.push_back("column: " + grid->ColumnHeader(runtime::Variant(c)) + " | " +
                                grid->ColToolTip(runtime::Variant(c)));
        for (const os::MenuItem& item : os::GetMenuItems(os::GetSystemMenu(window->Window().hWnd(), false)))
            texts.push_back("menu: " + item.text);
        for (const app::LanguageText& text : app::kKeyedLanguageTexts) texts.push_back(app::ReadLangText(text));
        window.reset();
        return texts;
    }
};

// The template holds the texts of every window and of no control, and
// copied to lang.txt it changes nothing: they are the built-in texts.
TEST_F(WindowTextsTest, TheTemplateFileCoversEveryWindowAndChangesNothing) {
    const std::vector<std::string> builtIn = AllTexts();
    ASSERT_TRUE(app::WriteLanguageTemplateFile(folder.File("template.txt")));
    const std::string lang = TempFolder::Read(folder.File("template.txt"));
    for (const char* line : {"[frmMain]\n", "caption=Kestrany\n", "gridPitch=pitch, mm\n", "gridtt='low' means",
                             "about=About\n", "chart=Thread chart\n", "saveas=Save as\n", "noPrinter=There is",
                             "settingsNotSaved=The settings", "settingsInMemory=The settings cannot",
                             "notEnoughMemory=There was not", "saveCsvFailed=The results could not",
                             "templateFailed=The language template", "savePdfFailed=The chart could not",
                             "[frmSuggest]\nsuggestnobox=There is no empty",
                             "[frmChart]\n", "caption=Thread chart\n",
                             "chkFamily(0)=", "[frmAbout]\n", "caption=Startup\n", "cmdOk=OK\n", "[frmPrint]\n",
                             "caption=Preview\n"})
        EXPECT_NE(lang.find(line), std::string::npos) << line;
    EXPECT_EQ(folder.EntryCount(), 1u) << "no settings or language file is written";

    WriteLang(lang);
    EXPECT_EQ(AllTexts(), builtIn);
}

// Each window takes its texts from the language file.
TEST_F(WindowTextsTest, ATranslationReachesEveryWindow) {
    const std::vector<std::string> builtIn = AllTexts();
    WriteLang("[frmMain]\nOption1(1)=/Zoll\n[frmChart]\nchkFamily=x\nchkFamily(1)=y\n[frmAbout]\ncmdOk=Gut\n");
    const std::vector<std::string> translated = AllTexts();
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < translated.size() && i < builtIn.size(); ++i)
        if (translated[i] != builtIn[i]) changed.push_back(translated[i].substr(0, translated[i].find(" |")));
    EXPECT_EQ(changed.size(), 1u + 11u + 1u);
    EXPECT_NE(std::find(changed.begin(), changed.end(), "frmMain.Option1(1): /Zoll"), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), "frmChart.chkFamily(0): x"), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), "frmChart.chkFamily(1): y"), changed.end());
    EXPECT_NE(std::find(changed.begin(), changed.end(), "frmAbout.cmdOk(-1): Gut"), changed.end());
}

}  // namespace

// Every page pinned pixel for pixel: each block of tests/snapshots/cases.txt
// is played by the scenario driver in a program of its own, and the canvas
// it leaves must equal tests/snapshots/<name>.png, a reviewed image.
//
// With SELVAQUIN_UPDATE_SNAPSHOTS=1 in the environment the images are
// written instead (tools/update-snapshots); look at every one that changed
// before committing it.

#include "app_fixture.h"
#include "drive_runner.h"

#include "toolkit/edit.h"
#include "toolkit/testing/utf8.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

using namespace tk;

namespace {

const std::string kSnapshots = SELVAQUIN_TEST_DIR "/snapshots/";
const std::string kOutput = SELVAQUIN_SNAPSHOT_OUT "/";

// The faces the images were drawn with: DejaVu Sans 2.37 as Debian 12's
// fonts-dejavu-core installs it, standing in for Verdana.
constexpr const char* kRegularFace = "DejaVu Sans Book 2.37 0xBAB402EB";
constexpr const char* kBoldFace = "DejaVu Sans Bold 2.37 0x290AD7D3";

struct Case {
    std::string name;
    std::string script;
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::vector<Case> LoadCases() {
    std::vector<Case> cases;
    std::ifstream in(kSnapshots + "cases.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[') && line.ends_with(']'))
            cases.push_back({line.substr(1, line.size() - 2), {}});
        else if (!cases.empty() && !line.empty() && !line.starts_with('#'))
            cases.back().script += line + "\n";
    }
    return cases;
}

bool Updating() {
    const char* update = std::getenv("SELVAQUIN_UPDATE_SNAPSHOTS");
    return update != nullptr && std::string(update) == "1";
}

// What stands in the way of comparing pixels at all, or "".
std::string FaceMismatch() {
    static const std::string mismatch = [] {
        TheApp();
        std::string found;
        for (auto [role, wanted] :
             {std::pair{FontRole::Label, kRegularFace}, {FontRole::Result, kBoldFace}}) {
            const std::string face = ProbeFaceIdentity(AppFont(role));
            if (face != wanted)
                found += "\n  wanted \"" + std::string(wanted) + "\", found \"" + face + "\"";
        }
        if (found.empty()) return found;
        return "The page snapshots were drawn with DejaVu Sans 2.37 from Debian 12's "
               "fonts-dejavu-core, which stands in for Verdana; this machine draws with another "
               "face, so its pages cannot match them pixel for pixel:" +
               found +
               "\nInstall fonts-dejavu-core 2.37 (Debian 12), or draw the images again with "
               "tools/update-snapshots and review them.";
    }();
    return mismatch;
}

// The reference dimmed, every differing pixel in magenta.
ProbeImage Difference(const ProbeImage& want, const ProbeImage& got) {
    ProbeImage diff = got;
    for (std::size_t i = 0; i < diff.pixels.size(); ++i) {
        const std::uint32_t w = i < want.pixels.size() ? want.pixels[i] : 0;
        if (w != got.pixels[i]) {
            diff.pixels[i] = 0xFF00FF;
            continue;
        }
        std::uint32_t dim = 0;
        for (int shift : {0, 8, 16}) dim |= (0xC0 + ((w >> shift & 0xFF) >> 2)) << shift;
        diff.pixels[i] = dim;
    }
    return diff;
}

std::string Hex(std::uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

class Snapshot : public testing::TestWithParam<Case> {};

TEST(SnapshotFaces, AreTheFacesTheImagesWereDrawnWith) { EXPECT_EQ(FaceMismatch(), ""); }

TEST_P(Snapshot, CanvasEqualsItsImage) {
    const Case& c = GetParam();
    if (!FaceMismatch().empty()) GTEST_SKIP() << "the faces differ (see SnapshotFaces)";
    std::filesystem::create_directories(kOutput);
    const std::string actual = kOutput + c.name + ".actual.png";
    const DriveResult run = Drive(c.script + "png " + actual + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ProbeImage got, want;
    ASSERT_TRUE(ProbeReadPng(actual, got)) << actual;
    ASSERT_EQ(got.width, 1000);
    ASSERT_EQ(got.height, 600);

    const std::string reference = kSnapshots + c.name + ".png";
    if (Updating()) {
        if (!ProbeReadPng(reference, want) || want.pixels != got.pixels) {
            ASSERT_TRUE(ProbeWritePng(reference, got)) << reference;
            std::printf("drawn again: %s\n", reference.c_str());
        }
        std::filesystem::remove(actual);
        return;
    }
    ASSERT_TRUE(ProbeReadPng(reference, want))
        << "no image " << reference << " (tools/update-snapshots draws it)";
    ASSERT_EQ(want.width * want.height, got.width * got.height) << reference;
    std::size_t differing = 0, first = 0;
    for (std::size_t i = got.pixels.size(); i-- > 0;) {
        if (got.pixels[i] == want.pixels[i]) continue;
        ++differing;
        first = i;
    }
    if (differing == 0) {
        std::filesystem::remove(actual);
        return;
    }
    const std::string diff = kOutput + c.name + ".diff.png";
    ProbeWritePng(diff, Difference(want, got));
    const int x = static_cast<int>(first % 1000), y = static_cast<int>(first / 1000);
    ADD_FAILURE() << differing << " pixels differ from " << reference << ", the first at (" << x
                  << ", " << y << "): " << Hex(got.pixels[first]) << " where the image has "
                  << Hex(want.pixels[first]) << "\n  this run drew: " << actual
                  << "\n  the differing pixels (magenta): " << diff;
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, Snapshot, testing::ValuesIn(LoadCases()), CaseName);

// Plays a snapshot's script in the running test program, on a page whose
// fields are first emptied (they keep what earlier tests typed).
void PlayHere(const std::string& script) {
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        const std::string verb = line.substr(0, line.find(' ')), arg = line.substr(verb.size() + 1);
        if (verb == "menu") {
            ASSERT_TRUE(ProbeChooseMenuItem(TheApp(), Utf8ToCp1252(arg))) << line;
            ProbeProcessEvents();
            std::vector<Window> fields;
            for (const ProbeField& f : ProbeEditFields())
                if (f.visible) fields.push_back(f.handle);
            for (Window f : fields) {
                FocusEditField(f);
                ProbePressKey("End");
                for (int i = 0; i < 12; ++i) ProbePressKey("Backspace");
            }
            if (!fields.empty()) FocusEditField(fields.front());
        } else if (verb == "type") {
            ProbeTypeText(arg);
        } else if (verb == "key") {
            ProbePressKey(arg);
        } else {
            FAIL() << "not played here: " << line;
        }
        ProbeProcessEvents();
    }
}

// Every page looks as it does when it is the first one opened after start,
// whatever page was shown before it: nothing an earlier page drew is left.
TEST(SnapshotPairs, EachPageAfterEveryOtherLooksAsWhenOpenedFirst) {
    if (!FaceMismatch().empty()) GTEST_SKIP() << "the faces differ (see SnapshotFaces)";
    struct Page {
        int id;
        ProbeImage image;
    };
    std::vector<Page> pages;
    Command(2101);
    // Earlier tests paint the whole canvas; below the page it keeps the grey
    // it was made with.
    SetDrawTarget("MEMORY");
    SetMemoryDC(g_shell.canvas);
    FillBox(TheApp(), 0, 585, 1000, 15, 0xC8C8C8);
    SetDrawTarget("CLIENT");
    for (const Case& c : LoadCases()) {
        if (!c.name.ends_with(".sv") || c.script.find("click ") != std::string::npos) continue;
        PlayHere(c.script);
        Page page{g_shell.currentScreen, {}};
        ASSERT_TRUE(ProbeReadPng(kSnapshots + c.name + ".png", page.image)) << c.name;
        pages.push_back(std::move(page));
    }
    ASSERT_EQ(pages.size(), 18u);
    // The crossovers as their images show them: Butterworth.
    for (int id : {501, 502, 503}) {
        Command(WParam(id));
        ProbeClickButton("Butterworth");
    }
    for (const Page& before : pages) {
        for (const Page& page : pages) {
            if (&page == &before) continue;
            Command(WParam(before.id));
            Command(WParam(page.id));
            const ProbeImage now = ProbeCanvasImage(g_shell.canvas);
            std::size_t differing = 0;
            for (std::size_t i = 0; i < now.pixels.size(); ++i)
                differing += now.pixels[i] != page.image.pixels[i];
            EXPECT_EQ(differing, 0u) << "page " << page.id << " after page " << before.id;
        }
    }
}

}  // namespace

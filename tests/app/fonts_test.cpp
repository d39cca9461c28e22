// The fonts the program loads: those of the faces it draws with, whatever
// else the machine has, and every font where none of those faces is there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

// What the driver prints for a script, run with the environment given.
std::string Drive(const std::string& script, const std::string& environment = "") {
    std::FILE* pipe = popen(
        ("printf '" + script + "' | " + environment + " '" SELVAQUIN_DRIVE "' 2>/dev/null").c_str(),
        "r");
    std::string out;
    for (int c; pipe != nullptr && (c = std::fgetc(pipe)) != EOF;) out += char(c);
    EXPECT_TRUE(pipe != nullptr && pclose(pipe) == 0) << script;
    return out;
}

std::set<std::string> Families(const std::string& environment = "") {
    std::set<std::string> families;
    const std::string out = Drive("families\\n", environment);
    for (std::size_t at = 0; (at = out.find("family \"", at)) != out.npos; at += 8)
        families.insert(out.substr(at + 8, out.find("\"\n", at) - at - 8));
    return families;
}

}  // namespace

// Verdana for the pages, the toolkit's own faces, and DejaVu Sans standing in
// for any of them (its condensed and light cuts carry family names of their
// own), besides the platform's generic names: with fonts-dejavu-core alone
// fontconfig would offer DejaVu Sans Mono and DejaVu Serif as well, on a
// desktop hundreds more.
TEST(Fonts, NoFaceIsLoadedThatThePagesDoNotDrawWith) {
    const std::set<std::string> drawnWith = {"DejaVu Sans",       "DejaVu Sans Condensed",
                                             "DejaVu Sans Light", "Verdana",
                                             "MS Shell Dlg",      "System",
                                             "Sans Serif",        "Serif",
                                             "Monospace"};
    const std::set<std::string> families = Families();
    for (const std::string& family : families) EXPECT_TRUE(drawnWith.contains(family)) << family;
    EXPECT_TRUE(families.contains("DejaVu Sans"));
}

// A machine with none of those faces: every font it has is loaded, and the
// pages are still lettered (the splash name has its colour).
TEST(Fonts, EveryFontIsLoadedWhereNoneOfTheFacesIsInstalled) {
    const std::filesystem::path mono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
    if (!std::filesystem::exists(mono)) GTEST_SKIP() << mono << " is not installed";
    const std::filesystem::path dir =
        testing::TempDir() + "selvaquin_fonts_" + std::to_string(getpid());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "fonts");
    std::filesystem::create_symlink(mono, dir / "fonts" / mono.filename());
    std::ofstream(dir / "fonts.conf")
        << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (dir / "fonts").string()
        << "</dir><cachedir>" << (dir / "cache").string() << "</cachedir></fontconfig>\n";
    const std::string environment = "FONTCONFIG_FILE=" + (dir / "fonts.conf").string();
    EXPECT_TRUE(Families(environment).contains("DejaVu Sans Mono"));
    std::string script;
    for (int x = 380; x < 620; x += 2) script += "pixel " + std::to_string(x) + " 265\\n";
    EXPECT_NE(Drive(script, environment).find(" 0x969600\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}

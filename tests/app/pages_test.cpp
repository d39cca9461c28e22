// Every calculator page end to end through the scenario driver: texts in both
// languages, the values drawn, the grid shift, marker and OUT OF RANGE, and
// the focus where a page steps it its own way.

#include "drive_runner.h"

#include "calc/electronics/wire_resistance.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tk;

namespace {

// Dump lines of black canvas texts, and pixel lines.
std::string Text(int x, int y, const char* font, const std::string& text) {
    return "text " + std::to_string(x) + " " + std::to_string(y) + " " + font + " 0x000000 \"" +
           text + "\"";
}
std::string Head(const std::string& text) { return Text(20, 15, "heading", text); }
std::string Label(int x, int y, const std::string& text) { return Text(x, y, "label", text); }
std::string Value(int x, int y, const std::string& text) { return Text(x, y, "result", text); }
std::string Px(int x, int y, unsigned colour) {
    char line[40];
    std::snprintf(line, sizeof line, "pixel %d %d 0x%06X", x, y, colour);
    return line;
}
const std::string kOutOfRange = Label(770, 400, "OUT OF RANGE");
constexpr unsigned kBlack = 0, kWhite = 0xFFFFFF, kGrey = 0xC8C8C8, kRed = 0x0000FF;

TEST(Pages, ResistorsParallelAndWhatItsFieldsDoWithKeys) {
    Play({
        {"menu Motstånd parallellkopplat\ntype 4,7\nkey Tab\ntype 2.2\nkey Return\n",
         {"focus 280 40", Head("Motstånd parallellkopplade"), Label(470, 250, "Summa:"),
          Value(530, 290, "4.7 ohm"), Value(530, 390, "2.2 ohm"), Value(530, 250, "1.50 ohm")}},
        // TAB moves the focus round the ring and calculates nothing.
        {"type 7\nkey Tab\n", {"field 280 40 \"4,77\"", "focus 280 70"}, true},
        {"key Tab\n", {"focus 280 40"}, true},
        // Delete, Up and F5 neither edit nor calculate; Home, End and Backspace edit.
        {"key Delete\nkey Up\nkey F5\nkey Home\ntype 2\nkey End\nkey Backspace\n",
         {"field 280 40 \"24,7\"", "focus 280 40"},
         true},
        // The caret stays where it was; a thirteenth character is refused; the
        // page keeps its texts when left.
        {"key Tab\ntype 123456789012345\nkey Return\ncommand 1015\ncommand 1005\n",
         {"field 280 70 \"2.2123456789\"", Value(530, 390, "2.2123456789 ohm")}},
        // Opening the current page again draws it and focuses its first field.
        {"key Tab\nkey Backspace\ntype 4\nmenu Motstånd parallellkopplat\n",
         {"focus 280 40", Value(530, 390, "2.2123456784 ohm")}},
        {"command 2102\nmenu Resistance connected in parallel\n",
         {"language 2", "button 800 530 push \"CLOSE\"", Head("Resistors in parallel"),
          Label(15, 40, "TAB    = Move and calculate"), Label(180, 45, "Resistance A"),
          Label(470, 250, "Sum  :"), "!Motstånd"}},
    });
}

TEST(Pages, CapacitorsSeries) {
    Play({
        {"menu Kondensator seriekopplat\ntype 10\nkey Tab\ntype 10\nkey Return\n",
         {Head("Kondensator seriekopplad"), Label(180, 75, "Kondensator B"), Label(475, 410, "="),
          Value(455, 260, "10 uF"), Value(550, 260, "10 uF"), Value(505, 410, "5.00 uF")}},
        {"command 2102\nmenu Capacitor connected in series\n",
         {Head("Capacitor in series"), Label(180, 45, "Capacitor A"), Value(505, 410, "5.00 uF")}},
    });
}

TEST(Pages, AmplifierPowerWithItsLabelsOverTheParts) {
    Play({
        {"menu Effekt ur Förstärkare\ntype 8\nkey Tab\ntype 2,5\nkey Return\n",
         {Head("Effekt ur förstärkare"), Label(180, 75, "Spänning (V)"), Label(560, 330, "R"),
          "text 320 330 label 0xFFFFFF \"AMPLIFIER\"", Value(440, 330, "0.781 Watt"),
          Value(595, 330, "8 ohm"), Value(810, 330, "0.313 Ampere"), Value(810, 310, "2,5 Volt")}},
        // English, the voltage field emptied.
        {"command 2102\nmenu Power out of Amplifier\nkey Tab\nkey Backspace\nkey Backspace\n"
         "key Backspace\nkey Return\n",
         {Head("Power from amplifier"), Label(180, 75, "Voltage (V)"),
          Value(440, 330, "0.000 Watt"), Value(810, 310, "0.00 Volt")}},
    });
}

TEST(Pages, WireResistanceWithItsOwnTabHintAndAResultOf299Digits) {
    const std::vector<std::string> typed = {"1e-150", "1000,5"};
    const std::string resistance = WireResistancePage(InputsFromTexts(typed), "").resistance;
    EXPECT_GT(resistance.size(), 299u);
    Play({
        {"menu Trådmotstånd diam x längd\ntype 1e-150\nkey Tab\ntype 1000,5\nkey Return\n",
         {Head("Trådmotstånd"), Label(20, 40, "TAB    = Flytta"), Label(180, 75, "Trådlängd"),
          Label(190, 330, "Trådlängd:"), Value(780, 330, "1e-150 mm"), Value(450, 330, "0.000 mm2"),
          Value(260, 330, "1000,5 mm"), Value(450, 220, resistance)}},
        {"command 2102\nmenu Wire resistance diam x length\n",
         {Label(15, 40, "TAB    = Move and calculate"), Label(15, 75, "Diameter x length"),
          Label(190, 330, "Wire length:"), "!TAB    = Flytta"}},
    });
}

TEST(Pages, AirCoilAlsoStraightAfterStartUp) {
    Play({
        // TAB only steps the focus of hidden fields: the splash stays.
        {"command 9\n", {"focus none", "text 380 250 splash 0xFFFFFF \"SELVAQUIN\""}},
        // ENTER runs the current screen, the last one made, in full.
        {"command 13\n",
         {"screen 1130", "field 280 100 \"\"", "focus 280 40", "!SELVAQUIN",
          Value(520, 238, "0.00 Varv")}},
        {"type 1000\nkey Tab\ntype 30\nkey Tab\ntype 0,8\nkey Return\n",
         {"focus 280 40", Head("Linda luftspole i ett lager"),
          Label(655, 215, "Tråddiameter (Utan isolering)"), Label(306, 237, "1"),
          Label(446, 237, "8"), Label(466, 237, "osv --->"), Value(880, 328, "30 mm"),
          Value(830, 215, "0.8 mm"), Value(520, 238, "920 Varv"), Value(550, 450, "883 mm")}},
        {"command 2102\nmenu Wind Air coil, one layer\n",
         {Head("Wind air coil in one layer"), Label(466, 237, "etc --->"),
          Label(655, 215, "Wire diameter (Without insulation)")}},
    });
}

TEST(Pages, RcLowAndHighPassShiftTheGridUnderTheMarker) {
    Play({
        // 1592 Hz: 1 kHz at 659 + 96, 2 kHz at 727 + 96; the marker from y 220 to 299.
        {"menu Filter Lågpass RC\ntype 1000\nkey Tab\ntype 0,1\nkey Return\n",
         {"focus 280 40", Head("Lågpassfilter RC"), Label(180, 45, "Motstånd"),
          Label(560, 255, "UT"), Label(505, 365, "C"), Value(330, 280, "1000 ohm"),
          Value(380, 367, "0.1 uF"), Value(800, 205, "1592 Hz -3dB")}},
        {"menu Filter Högpass RC\n", {Head("Högpassfilter RC"), Label(320, 210, "C")}},
        {"command 2102\nmenu Filter Highpass RC\ntype 1\nkey Tab\ntype 1\nkey Return\n",
         {kOutOfRange, Head("High-pass filter RC"), Label(180, 45, "Resistance"),
          Label(560, 255, "OUT"), Label(490, 360, "R"), Value(400, 360, "1 ohm"),
          Value(310, 310, "1 uF"), Value(800, 205, "159236 Hz -3dB")}},
        {"menu Filter Lowpass RC\n", {Head("Low-pass filter RC"), "!OUT OF RANGE"}},
    });
}

TEST(Pages, RcBandPassFourFieldRingNoGridAndTheEnglishOnlyCaption) {
    Play({
        {"menu Filter Bandpass RC\nkey Tab\nkey Tab\nkey Tab\n", {"focus 600 70"}},
        // No grid (its top edge would be at y 230), no marker, grey pointers.
        {"key Return\n",
         {"focus 280 40", Label(180, 45, "Motstånd     R 1"), Label(930, 255, "-3dB"),
          Value(370, 340, "0.00 ohm"), Value(255, 197, "0.00 uF"), Value(415, 215, "0 ohm"),
          Value(435, 385, "0.00 uF"), Value(670, 205, "0 Hz -3dB"), Value(880, 205, "0 Hz -3dB")}},
        {"command 2102\nmenu Filter Bandpass RC\n",
         {Head("Bandpass filter RC"), Label(180, 45, "Resistance     R 1"),
          Label(180, 105, "Frequency HP -3dB"), Label(555, 255, "OUT")}},
    });
}

TEST(Pages, RcNotchGridUnderItsMarkerAndEnterDrawsWhatTheMenuDraws) {
    Play({
        // Offset 226 brings the 400 Hz line to 796, beside the marker at 795.
        {"menu Filter Notch\ntype 1000\nkey Tab\ntype 0,1\nkey Return\n",
         {"focus 280 40", Label(180, 45, "Motstånd       R"), Label(580, 298, "UT"),
          Value(410, 440, "2000.00 ohm"), Value(470, 425, "0.2 uF"), Value(785, 205, "398 Hz")}},
        // Four runs draw what one does: nothing is doubled twice.
        {"menu Filter Notch\n", {}, true},
        {"command 2102\nmenu Filter Notch\nkey End\ntype 0\nkey Return\n",
         {"focus 280 40", Head("Notch filter RC"), Label(180, 75, "Capacitor      C"),
          Label(580, 298, "UT"), Value(270, 200, "10000 ohm"), Value(785, 205, "40 Hz")}},
    });
}

TEST(Pages, RcZobelBareFrequencyAtTheMarkerAndOffTheGrid) {
    Play({
        // Offset -126: 10 kHz at 757, 20 kHz at 823, 15924 Hz at 796.
        {"menu Filter Zobel\ntype 10\nkey Tab\ntype 1\nkey Return\n",
         {Head("Zobelfilter RC"), Label(575, 223, "UT"), Value(785, 205, "15924")}},
        {"command 2102\nmenu Filter Zobel\nkey Tab\nkey Home\ntype 0,\nkey Return\n",
         {"focus 280 40", kOutOfRange, Label(575, 223, "OUT"), Value(455, 405, "0.1 uF"),
          Value(785, 205, "159236")}},
    });
}

TEST(Pages, ThieleCoilNoteAndShiftedGrid) {
    Play({
        // Offset 118: the 1 kHz line at 777; a coil turn filled grey.
        {"menu Filter Thiele\ntype 8\nkey Tab\ntype 1\nkey Return\n",
         {Head("Thielefilter RC"), Label(350, 480, "'Linda luftspole, ett lager'"),
          Value(785, 205, "1274 Hz")}},
        {"command 2102\nmenu Filter Thiele\n",
         {Label(350, 480, "the button 'Wind air coil, one layer'"), Label(578, 328, "OUT"),
          Value(435, 340, "1 mH")}},
    });
}

TEST(Pages, ConjugateLinkFixedGraphAndFocusInLeAfterEnter) {
    Play({
        // 1300 Hz under x 796 puts the 1 kHz line at 659 + 116; the flat impedance,
        // the grey rise leaving it, C1's plate over the branch; the driver's boxes
        // are closed at every corner.
        {"menu Konjugatlänk (Zobel)\ntype 6,4\nkey Tab\ntype 0,5\nkey Return\n",
         {"focus 280 70", Head("Konjugatlänk"), Label(180, 45, "Elementets Re"),
          Label(650, 200, "Impedansen blir rak"), Value(411, 320, "6.4 ohm"),
          Value(435, 425, "12 uF")}},
        {"key Tab\n", {"focus 280 40"}, true},
        {"command 2102\nmenu Conjugate link (Zobel)\n",
         {Label(15, 40, "TAB    = Move and calculate"), Label(180, 75, "Driver Le"),
          Label(650, 200, "The impedance becomes straight")}},
    });
}

TEST(Pages, NotchFilterDipDepthAndWidth) {
    Play({
        // Empty fields: depth 73, f off the grid.
        {"menu NotchFilter\nkey Return\n",
         {kOutOfRange, Label(180, 75, "Motstånd    R 1"), Label(15, 40, "TAB    = Flytta"),
          Value(405, 423, " ohm"), Px(796, 422, kBlack), Px(797, 422, kBlack), Px(796, 423, kWhite),
          Px(790, 350, kWhite)}},
        // 1300 Hz, R1 5: depth 7, shoulders 4 pixels wider.
        {"command 2102\nmenu NotchFilter\ntype 1300\nkey Tab\ntype 5\nkey Return\n",
         {"focus 280 70", Head("Notch filter"), Label(15, 40, "TAB    = Move"),
          Value(800, 210, "1300 Hz"), Value(413, 273, "17.09 uF"), Value(425, 340, "0.88 mH"),
          Value(405, 423, "5 ohm"), "!OUT OF RANGE"}},
        {"key Tab\n", {"focus 280 40"}, true},
        // 1000 Hz, R1 40: flat, over the 1 kHz line at x 796.
        {"key End\nkey Backspace\nkey Backspace\nkey Backspace\ntype 000\n"
         "key Tab\nkey Backspace\ntype 40\nkey Return\n",
         {Value(800, 210, "1000 Hz"), Px(790, 350, kBlack), Px(796, 351, kGrey)}},
    });
}

TEST(Pages, BaffleStepRecalculatesOnTabAndMovesItsCurve) {
    const std::string erase = "key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n";
    const std::string outOfRange = Label(500, 380, "OUT OF RANGE");
    Play({
        {"menu Baffelsteg\ntype 300\nkey Return\n",
         {"focus 280 40", Head("Baffelsteg"), Label(180, 45, "Högtalarens bredd"),
          Value(565, 205, "383 Hz"), "!OUT OF RANGE"}},
        // TAB recalculates this page and leaves the focus where it is.
        {erase + "type 20\nkey Tab\n",
         {"focus 280 40", Value(829, 205, "5750 Hz"), Px(830, 300, kRed), Px(566, 300, kWhite),
          Px(600, 350, kBlack)}},
        {"command 2102\nmenu Baffelsteg\n" + erase + "type 9,99\nkey Return\n",
         {Head("Baffelstep"), Label(15, 40, "TAB    = Move"), Label(180, 45, "Speaker width"),
          Value(892, 205, "11512 Hz"), outOfRange}},
        // Empty: the message alone, no frequency and no marker.
        {erase + "key Tab\n", {outOfRange, "! Hz\"", Px(893, 300, kWhite)}},
        // That TAB left no pending recalculation behind.
        {"menu Resistance connected in parallel\n", {Head("Resistors in parallel")}},
    });
}

TEST(Pages, BaffleStepCompensationGridShiftedLeftOfTheMarker) {
    Play({
        {"menu Baffelsteg kompensation\ntype 300\nkey Tab\ntype 8\nkey Return\n",
         {"focus 280 70", Head("Baffelsteg kompensation"), Label(180, 75, "Högtalarens imp."),
          Label(330, 276, "R 1"), Value(300, 291, "8 ohm"), Value(360, 385, "8 ohm"),
          Value(670, 210, "383 Hz"), Value(460, 291, "2.35 mH")}},
        {"key Tab\n", {"focus 280 40"}, true},
        // An empty width leaves no grid line in view, and no message.
        {"command 2102\nmenu Baffelsteg kompensation\nkey Backspace\nkey Backspace\n"
         "key Backspace\nkey Return\n",
         {Head("Baffle Step Compensation"), Label(15, 40, "TAB    = Move"), Value(670, 210, "0 Hz"),
          Px(764, 300, kWhite), "!OUT OF RANGE"}},
    });
}

const std::string kCrossoverValues = "type 8\nkey Tab\ntype 6\nkey Tab\ntype 2700\nkey Return\n";

TEST(Pages, CrossoverButtonsStartAtButterworthAndKeepTheirAlignmentPerPage) {
    Play({
        {"command 501\n", {"button 20 110 checked \"Butterworth\""}},
        {"command 503\n",
         {"button 20 110 checked \"Butterworth\"", "button 20 130 unchecked \"Bessel\""}},
        {"menu Delningsfilter 2v 12dB\n" + kCrossoverValues,
         {Head("Delningsfilter 2v 12dB"), "button 20 150 unchecked \"Linkwitz-Riley\"",
          Value(330, 272, "0.67 mH")}},
        // A click checks its button, clears the others and recalculates.
        {"click Bessel\n",
         {"button 20 110 unchecked \"Butterworth\"", "button 20 130 checked \"Bessel\"",
          Value(260, 400, "4.22 uF")}},
        {"click Linkwitz-Riley\n",
         {"button 20 130 unchecked \"Bessel\"", Value(462, 400, "0.71 mH")}},
        // The 18 dB page kept Butterworth through the 12 dB clicks; now Bessel.
        {"menu Delningsfilter 2v 18dB\n" + kCrossoverValues + "click Bessel\n",
         {Head("Delningsfilter 2v 18dB"), Value(525, 338, "24.40 uF")}},
        {"menu Delningsfilter 2v 12dB\n",
         {"button 20 150 checked \"Linkwitz-Riley\"", Value(462, 400, "0.71 mH")}},
        // The lone 6 dB button stays checked when clicked.
        {"menu Delningsfilter 2v 6dB\nclick Butterworth\n",
         {"button 20 110 checked \"Butterworth\"", Value(394, 300, "0.00 mH")}},
        // On another page the buttons' command runs nothing.
        {"command 1005\ntype 7\n", {"screen 1005"}},
        {"command 504\n", {"screen 1005", "field 280 40 \"7\"", "!7 ohm"}, true},
    });
}

TEST(Pages, CrossoversMarkerGraphAndTexts) {
    Play({
        // The marker over the 1 kHz line at x 796 (795 on the 18 dB page); C1's
        // white gap cuts the tweeter wire; L1 is a grey disc.
        {"menu Delningsfilter 2v 6dB\ntype 8\nkey Tab\ntype 6\nkey Tab\ntype 1000\nkey Return\n",
         {"focus 280 40", Head("Delningsfilter 2v 6dB"), Label(180, 45, "Bas Imp"),
          Label(180, 105, "Delningsfrekvens"), Label(15, 90, "Filtertyp"), Label(400, 279, "L 1"),
          Value(530, 300, "26.50 uF"), Value(785, 210, "1000 Hz"), Px(796, 250, kRed)}},
        {"command 2102\nmenu Crossover filter 2w 18dB\n"
         "type 8\nkey Tab\ntype 6\nkey Tab\ntype 1000\nkey Return\n",
         {Head("Crossover filter 2w 18dB"), Label(180, 105, "Crossover freque."),
          Label(15, 90, "Filter type"), Label(547, 318, "C 3"), Value(460, 400, "0.72 mH"),
          Px(795, 250, kRed), Px(796, 250, kGrey)}},
        // ENTER in the frequency field; 0 Hz is off the grid, the results still shown.
        {"menu Crossover filter 2w 12dB\ntype 5\nkey Tab\nkey Tab\ntype 0\nkey Return\n",
         {"focus 280 40", Head("Crossover filter 2w 12dB"), kOutOfRange, Value(785, 210, "0 Hz"),
          Value(330, 272, "inf mH")}},
        {"menu Crossover filter 2w 6dB\n",
         {Head("Crossover filter 2w 6dB"), Label(547, 279, "C 1")}},
    });
}

}  // namespace

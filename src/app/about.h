#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The program's version as its three numbers joined by "." (1.1.30).
std::string version_text();

inline constexpr std::string_view kSplashCaption = "Velmora is now loading";
inline constexpr std::string_view kSplashTitle = "Velmora";
inline constexpr std::string_view kSplashLoading = "Now Loading.....";
inline constexpr int kSplashDelayMs = 2000;
// The splash's version label: its design-time caption "version: " completed at load.
std::string splash_version_caption();

std::string about_caption();
std::string about_version_caption();
inline constexpr std::string_view kSysInfoButtonCaption = "&System Info...";

inline constexpr std::array<std::string_view, 25> kHelpLines = {
    "Learn to handle and memorize musical chords. (Up to None)",
    "",
    "",
    "How to use this program.",
    "If you press the create button, a new Velmora wil be created. This ",
    "means that one of the many circles will have a note written in it.",
    "It is your job to find all the missing Chord tones.",
    "You can Fill in the missing notes by using your mouse. Simply drag and ",
    "drop one of the notes in the circles. ",
    "Fill in the chords beginning from left/right or up/down.",
    "Always Work your way to the Chord's name. This means that the circle ",
    "near the chord's name should contain the last note of the chords.",
    "To check if the answers are correct you can press the Check Button ",
    "on the form. A Messagebox will appear showing the number of correct ",
    "answers.",
    "If you need a reminder on how a chord is build, press the chord's name ",
    "for help.",
    "",
    "Worksheets",
    "You can create worksheets for study. A worksheet has 6 empty Velmoras",
    "Every Worksheet is logged into a file so that you can check all your ",
    "answers ones you have finished the worksheets. The answers are logged into",
    "the following file: worksheet.id. ",
    "If this file is not in the program's directory search for it on your",
    "computer by the windows find function.",
};

// The About box's help text: every help line followed by CR LF, the last one included.
std::string help_text();

}  // namespace velmora

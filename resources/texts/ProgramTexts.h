// Texts of both programs that their windows show and that no form fixes: the
// tips, the status bar's product line, the about boxes, the greetings and the
// web addresses. The windows take them from here.
#pragma once

#include <array>
#include <string_view>

namespace program_texts {

// The maker's web site and the pages below it; the sample library's site.
inline constexpr std::string_view kMakerSite = "http://www.brenkavar.example";
inline constexpr std::string_view kSupportForumPage = "/phpBB/index.php";
inline constexpr std::string_view kPatternsPage = "/downloadpatterns.htm";
inline constexpr std::string_view kSampleSite = "http://samples.brenkavar.example";
inline constexpr std::string_view kAuthorMail = "mailto:tambrel@brenkavar.example";

// ---------------------------------------------------------------- drum machine

// Status bar panel 0 of the main window.
inline constexpr std::string_view kStatusProduct = "Brenkavar Tambrel 1.0";

// The fifteen tips of the tips dialog, in their fixed order, one line each.
inline constexpr std::array<std::string_view, 15> kTips = {
    "Add a little humanize to the snare and hi-hat tracks: small random changes make them sound played by hand.",
    "Right-click a beat to give that one beat its own volume, pan and pitch.",
    "Try wild pitch settings: a kick tuned far up or a cymbal tuned far down can make a fresh new sound.",
    "The sound is at its cleanest with the main volume at 100%.",
    "Humanize takes a lot of processing power, so turning it off makes the program run faster.",
    "Right-click the sequencer to clear the whole song order in one go.",
    "Your own drum kits must lie in the \"user kits\" folder for the program to find them.",
    "The program plays 16-bit wave files at 44,100 Hz, mono or stereo.",
    "Save your own skins into the \"skins\" folder so that the program finds them.",
    "Switch to 3/4 time for a waltz feel: every fourth step of the pattern is left out.",
    "When you are stuck for an idea, the random pattern generator in the Edit menu gives you a starting point.",
    "32nd notes sound best at slower tempos.",
    "Switching to another skin, or using only 16th notes, makes the program run faster.",
    "If the step buttons look garbled, click a pattern square at the bottom of the window to redraw them.",
    "Open a song file such as Industrial1 and listen to it with each of the other drum kits.",
};

// The about box.
inline constexpr std::string_view kAboutProduct = "Brenkavar Tambrel";
inline constexpr std::string_view kAboutVersion = "Version 1.0";
inline constexpr std::string_view kAboutCopyright = "Copyright (c) 2026 The Tambrel Authors";
inline constexpr std::string_view kAboutComment = "A twelve-track drum machine and step sequencer.";
// The scrolling credits, one line each.
inline constexpr std::array<std::string_view, 16> kAboutCredits = {
    "Brenkavar Tambrel",
    "",
    "Step sequencer, mixer and song files",
    "by the Tambrel team",
    "",
    "Thirteen drum kits synthesised",
    "from scratch by the kit synthesiser",
    "",
    "Skins and pictures drawn",
    "by the skin painter",
    "",
    "Thanks to everyone who tried the",
    "early versions and sent patterns.",
    "",
    "Keep on drumming!",
    "",
};

// The greeting dialog, shown on the greeting date at start and at close.
// The date test compares the start of today's short date ("M/d/yyyy").
inline constexpr std::string_view kGreetingDatePrefix = "8/8/";
inline constexpr std::string_view kGreetingCaption = "Happy Drum Machine Day!";
inline constexpr std::string_view kGreetingTitle = "Happy Drum Machine Day!";
inline constexpr std::string_view kGreetingText =
    "Today, the eighth of August, drum machines everywhere are celebrated. Thank you for making beats with "
    "Brenkavar Tambrel!";
inline constexpr std::string_view kGreetingSiteLead = "New kits, skins and patterns are waiting at";
inline constexpr std::string_view kGreetingSiteLink = "www.brenkavar.example";
inline constexpr std::string_view kGreetingMailLead = "Tell us what you made:";
inline constexpr std::string_view kGreetingMailLink = "tambrel@brenkavar.example";
// The caption the main window gives the greeting when the program closes.
inline constexpr std::string_view kGreetingClosingCaption = "Thanks for using Tambrel!!!";

// ---------------------------------------------------------------- kit editor

// Status bar panel 0 of the kit editor's main window.
inline constexpr std::string_view kEditorStatusProduct = "Tambrel RedoZev Idezar 1.0";

// The kit editor's about box.
inline constexpr std::string_view kEditorAboutProduct = "Tambrel RedoZev Idezar";
inline constexpr std::string_view kEditorAboutVersion = "Version 1.0";
inline constexpr std::string_view kEditorAboutCredits = "By the Tambrel team";
inline constexpr std::string_view kEditorAboutComment = "Builds user drum kits for Brenkavar Tambrel.";
inline constexpr std::string_view kEditorAboutSiteLink = "www.brenkavar.example";

// The caption of the Help menu's sample-library item.
inline constexpr std::string_view kEditorSampleSiteCaption = "samples.brenkavar.example";

// The kit editor's greeting: a three-character "M/d" prefix of today's
// short date and the message box's text.
inline constexpr std::string_view kEditorGreetingDatePrefix = "8/8";
inline constexpr std::string_view kEditorGreetingText =
    "Happy Drum Machine Day! Build yourself a new kit to celebrate.";

}  // namespace program_texts

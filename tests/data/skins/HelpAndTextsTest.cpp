// The compiled help files hold exactly the topics the programs open, each a
// real page of text; the programs' texts keep the shapes their windows need.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "DataFiles.h"
#include "resources/texts/ProgramTexts.h"

using namespace data_test;

namespace {

struct Topic {
  std::string title;
  std::string text;
};

// Reads a compiled help file without the help viewer's code: magic, version,
// title, then context, title and text of each topic.
bool ReadHelp(const std::string& b, std::string& title, std::map<std::uint32_t, Topic>& topics) {
  std::size_t at = 0;
  auto u32 = [&](std::uint32_t& v) {
    if (b.size() - at < 4) return false;
    v = U32(b, at);
    at += 4;
    return true;
  };
  auto str = [&](std::string& s) {
    std::uint32_t n = 0;
    if (!u32(n) || b.size() - at < n) return false;
    s = b.substr(at, n);
    at += n;
    return true;
  };
  if (b.compare(0, 10, std::string("DRUMSHLP\x01\x00", 10)) != 0) return false;
  at = 10;
  std::uint32_t count = 0;
  if (!str(title) || !u32(count)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t context = 0;
    Topic topic;
    if (!u32(context) || !str(topic.title) || !str(topic.text)) return false;
    if (!topics.emplace(context, topic).second) return false;
  }
  return at == b.size();
}

int Words(const std::string& text) {
  int words = 0;
  bool inWord = false;
  for (char c : text) {
    const bool letter = c != ' ' && c != '\n';
    words += letter && !inWord;
    inWord = letter;
  }
  return words;
}

}  // namespace

TEST(HelpFiles, HoldExactlyTheContextsTheProgramsOpen) {
  const struct {
    const char* file;
    std::set<std::uint32_t> contexts;
  } cases[] = {{"Manual.hlp", {5, 15, 160, 210, 220}}, {"Tambrel.hlp", {25}}, {"Zivozivorudar.hlp", {5, 10, 190, 200}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::string title;
    std::map<std::uint32_t, Topic> topics;
    ASSERT_TRUE(ReadHelp(ReadAll(ProgramDir() / "help files" / c.file), title, topics));
    EXPECT_FALSE(title.empty());
    std::set<std::uint32_t> contexts;
    for (const auto& [context, topic] : topics) {
      contexts.insert(context);
      SCOPED_TRACE(topic.title);
      EXPECT_FALSE(topic.title.empty());
      // A page of guidance, not a placeholder line.
      EXPECT_GE(Words(topic.text), 60);
    }
    EXPECT_EQ(contexts, c.contexts);
  }
}

TEST(ProgramTexts, FifteenTipsOfOneSentenceEach) {
  ASSERT_EQ(program_texts::kTips.size(), 15u);
  std::set<std::string_view> distinct;
  for (std::string_view tip : program_texts::kTips) {
    SCOPED_TRACE(std::string(tip));
    distinct.insert(tip);
    ASSERT_GE(tip.size(), 20u);
    // The tip label is 280 by 134 pixels: a few lines at most.
    EXPECT_LE(tip.size(), 160u);
    EXPECT_NE(std::string_view(".!?").find(tip.back()), std::string_view::npos) << "ends a sentence";
    for (std::string_view stop : {". ", "! ", "? "})
      EXPECT_EQ(tip.find(stop), std::string_view::npos) << "one sentence";
    EXPECT_EQ(tip.find('\n'), std::string_view::npos) << "one line";
  }
  EXPECT_EQ(distinct.size(), 15u);
}

TEST(ProgramTexts, GreetingDatesNameOneDayOfTheYear) {
  using namespace std::chrono;
  // Short dates are "M/d/yyyy"; a prefix that matched several days (as "1/1"
  // matches the 1st and the 10th to the 19th) would greet too often.
  const struct {
    std::string_view prefix;
    std::size_t length;
  } cases[] = {{program_texts::kGreetingDatePrefix, 0}, {program_texts::kEditorGreetingDatePrefix, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.prefix));
    if (c.length) {
      EXPECT_EQ(c.prefix.size(), c.length);
    }
    int matches = 0;
    for (sys_days day = sys_days(year{2028} / January / 1); day < sys_days(year{2029} / January / 1); day += days{1}) {
      const year_month_day ymd(day);
      const std::string text = std::to_string(static_cast<unsigned>(ymd.month())) + "/" +
                               std::to_string(static_cast<unsigned>(ymd.day())) + "/" +
                               std::to_string(static_cast<int>(ymd.year()));
      matches += text.starts_with(c.prefix);
    }
    EXPECT_EQ(matches, 1);
  }
}

TEST(ProgramTexts, AboutAndStatusTextsAreFilledIn) {
  for (std::string_view text :
       {program_texts::kStatusProduct, program_texts::kAboutProduct, program_texts::kAboutVersion,
        program_texts::kAboutCopyright, program_texts::kAboutComment, program_texts::kGreetingText,
        program_texts::kEditorStatusProduct, program_texts::kEditorAboutProduct, program_texts::kEditorAboutVersion,
        program_texts::kEditorAboutCredits, program_texts::kEditorAboutComment, program_texts::kEditorGreetingText})
    EXPECT_GE(text.size(), 5u) << text;
  EXPECT_TRUE(program_texts::kStatusProduct.starts_with(program_texts::kAboutProduct));
  EXPECT_TRUE(program_texts::kAboutCopyright.starts_with("Copyright"));
  EXPECT_TRUE(program_texts::kAuthorMail.starts_with("mailto:"));
  EXPECT_EQ(program_texts::kGreetingClosingCaption, "Thanks for using Tambrel!!!");
}

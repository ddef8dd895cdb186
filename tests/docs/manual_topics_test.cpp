#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/catalogue.h"

namespace quorvane {
namespace {

/// The text of a PDF as a reader searches it, by pdftotext.
std::string PdfText(const std::string& path) {
    const std::string command = "pdftotext -enc UTF-8 '" + path + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    if (!pipe) return text;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, read);
    return text;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

/// Places of "Topic N" not followed by another digit.
std::vector<std::size_t> TopicPlaces(const std::string& text, const std::string& topic) {
    std::vector<std::size_t> places;
    for (std::size_t at = text.find(topic); at != std::string::npos; at = text.find(topic, at + 1)) {
        const std::size_t end = at + topic.size();
        if (end == text.size() || !std::isdigit(static_cast<unsigned char>(text[end]))) places.push_back(at);
    }
    return places;
}

std::string LineAt(const std::string& text, std::size_t at) {
    const std::size_t start = text.rfind('\n', at) + 1;   // npos + 1 is 0
    return text.substr(start, text.find('\n', at) - start);
}

struct Topic {
    int Key;
    std::string Heading;   ///< what the heading line starts with
};

/// Every key a help button or a block passes: the function codes, headed by the function's name
/// (the terminal links by their formula, having no name), and the result window topics.
std::vector<Topic> HelpTopics() {
    Catalogue catalogue;
    BuildCatalogue(catalogue);
    std::vector<Topic> topics;
    for (int code = 0; code < FunctionCodeLast; ++code) {   // the last entry is never used
        // A turned block shares the section of its partner, named by the left-to-right one
        // (Unused turns towards Delta, which does not turn back: it has its own section).
        const int partner = code + catalogue[code].TurnOffset;
        const int named = partner < code && catalogue[partner].TurnOffset == 1 ? partner : code;
        const BlockFunction& function = catalogue[named];
        topics.push_back({code, function.Name.empty() ? function.Formula : function.Name});
    }
    for (const Topic& window : {Topic{1001, "Print Format and Tabulation"}, Topic{1002, "Graph window"},
                                Topic{1003, "Frequency analysis"}, Topic{1004, "PRBS analysis"},
                                Topic{2001, "Simulation form properties"}}) {
        topics.push_back(window);
    }
    return topics;
}

TEST(FunctionBlockGuide, EveryHelpKeyFindsItsOwnHeadingFirst) {
    const std::string text = PdfText(QUORVANE_FUNCTION_GUIDE);
    ASSERT_FALSE(text.empty()) << "pdftotext gave nothing for " << QUORVANE_FUNCTION_GUIDE;
    for (const Topic& topic : HelpTopics()) {
        const std::string key = "Topic " + std::to_string(topic.Key);
        SCOPED_TRACE(key);
        const std::vector<std::size_t> places = TopicPlaces(text, key);
        ASSERT_EQ(places.size(), 1u);
        // A reader's search ignores case and stops at the first match, which may be a longer
        // key ("Topic 1" in "Topic 10"): the key's own heading must come before all of those.
        EXPECT_EQ(Lower(text).find(Lower(key)), places[0]);
        const std::string line = LineAt(text, places[0]);
        EXPECT_EQ(Lower(line).rfind(Lower(topic.Heading), 0), 0u) << line;
    }
}

}  // namespace
}  // namespace quorvane

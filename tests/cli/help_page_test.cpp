// The help page and the README show the same usage text as --help, word for word.
#include "cli/texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

#ifndef _WIN32
std::string SourceFile(const std::string& path) {
    std::ifstream file(std::string(TRIMLODE_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The text between `start` and `end`, or a note saying what was missing.
std::string Between(const std::string& text, const std::string& start, const std::string& end) {
    const std::size_t from = text.find(start);
    const std::size_t to = from == std::string::npos ? from : text.find(end, from + start.size());
    if (to == std::string::npos) {
        return "(no " + start + " ... " + end + " found)";
    }
    return text.substr(from + start.size(), to - from - start.size());
}
#endif

TEST(CommandLineDocs, HelpPageAndReadmeShowTheUsageText) {
#ifdef _WIN32
    GTEST_SKIP() << "the sources are read by the native build";
#else
    EXPECT_EQ(Between(SourceFile("help/pages/commandline.html"), "<pre class=\"usage\">", "</pre>"),
              cli::texts::kUsage);
    EXPECT_EQ(Between(SourceFile("README.md"), "`trimlode-cli --help`:\n\n```text\n", "```"),
              cli::texts::kUsage);
#endif
}

} // namespace

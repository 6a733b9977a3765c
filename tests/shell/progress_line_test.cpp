#include "shell/progress_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quor {
namespace {

TEST(ProgressLine, SaysFramesTimeSpentAndTimeLeft) {
    struct line_case {
        std::int64_t done;
        std::int64_t total;
        double elapsed;
        std::string text;
    };
    const line_case cases[] = {
        {0, 300, 0.0, "frame 0/300, 0:00 elapsed, ?:?? left"},
        {100, 300, 2.5, "frame 100/300, 0:02 elapsed, 0:05 left"},
        {300, 300, 61.0, "frame 300/300, 1:01 elapsed, 0:00 left"},
        {1, 100000, 0.5, "frame 1/100000, 0:00 elapsed, 13:53:19 left"},
    };
    for (const line_case& each : cases) {
        char buffer[100];
        EXPECT_EQ(progress_text(buffer, each.done, each.total, each.elapsed), each.text);
    }
    char small[12];
    EXPECT_EQ(progress_text(small, 100, 300, 2.5), "frame 100/3") << "cut to the buffer";
}

TEST(ProgressLine, RewritesOneLineAtMostTenTimesASecondAndEndsIt) {
    std::FILE* terminal = std::tmpfile();
    progress_line line(terminal, 3);
    line.show(1, 0.0);
    line.show(2, 0.05);  // too soon
    line.show(3, 0.06);  // the last frame always
    line.end();
    std::rewind(terminal);
    char text[200] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, terminal);
    std::fclose(terminal);
    EXPECT_EQ(std::string(text, length),
              "\rframe 1/3, 0:00 elapsed, 0:00 left\rframe 3/3, 0:00 elapsed, 0:00 left\n");

    progress_line silent(nullptr, 3);
    silent.show(3, 1.0);
    silent.end();
}

}  // namespace
}  // namespace quor

#include "shell/machine_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_message_box.h"
#include "shell/startup_text.h"

namespace quor {
namespace {

using testing::fake_message_box;
using testing::message;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class fixed_processor : public processor_info {
public:
    explicit fixed_processor(int type) : type_(type) {}
    int processor_type() override { return type_; }

private:
    int type_;
};

TEST(check_processor_test, warns_below_a_pentium_only) {
    struct {
        int type;
        bool pentium_or_better;
    } const cases[] = {{386, false}, {486, false}, {586, true}, {686, true}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.type);
        fixed_processor processor(test.type);
        fake_message_box messages;
        EXPECT_EQ(check_processor(processor, messages), test.pentium_or_better);
        if (test.pentium_or_better)
            EXPECT_THAT(messages.shown, IsEmpty());
        else
            EXPECT_THAT(messages.shown, ElementsAre(message(startup_text::processor_warning)));
    }
}

TEST(check_processor_test, this_machine_is_pentium_class) {
    host_processor processor;
    EXPECT_GE(processor.processor_type(), pentium_processor_type);
}

TEST(check_scroll_bars_test, warns_from_twenty_pixels) {
    for (int width : {0, 16, 19}) {
        fake_message_box messages;
        check_scroll_bars(width, messages);
        EXPECT_THAT(messages.shown, IsEmpty()) << width;
    }
    for (int width : {20, 40}) {
        fake_message_box messages;
        check_scroll_bars(width, messages);
        EXPECT_THAT(messages.shown, ElementsAre(message(startup_text::scroll_bar_warning))) << width;
    }
}

}  // namespace
}  // namespace quor

#include "ui/settings_form_view.h"

#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>

#include <gtest/gtest.h>

#include "engine/parameter_catalogue.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"
#include "test_application.h"

namespace quor {
namespace {

// The dialog over fresh controls, its palette folder holding twelve files.
class settings_form_view_test : public ::testing::Test {
protected:
    settings_form_view_test() {
        std::filesystem::create_directories(directory.path() / "palette");
        for (char letter = 'A'; letter <= 'L'; ++letter) {
            std::ofstream(directory.path() / "palette" / (std::string(1, letter) + ".PAL")) << "JASC-PAL\r\n";
        }
        palette.set_palette_dir(directory.path().string() + "/");
        view = std::make_unique<settings_form_view>(controls, palette);
    }

    template <typename Widget>
    Widget* widget(const char* name) {
        auto* found = view->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Shows the form, runs `while_open` inside its modal loop, returns its result.
    modal_result show_and(std::function<void()> while_open) {
        QTimer::singleShot(0, view.get(), [&] {
            while_open();
            // Whatever happened, never leave the test hanging in the loop.
            if (view->isVisible()) widget<QPushButton>("Can_btn")->click();
        });
        return view->show_modal();
    }

    void send_key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    void send_mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    quorrings_application& application = testing::test_application();  // before any widget
    testing::temporary_directory directory;
    recording_message_box messages;
    animation_palette palette{messages};
    settings_controls controls;
    std::unique_ptr<settings_form_view> view;
};

TEST_F(settings_form_view_test, is_a_fixed_dialog_without_caption_buttons_in_a_small_bold_font) {
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Quorrings from Kestovar Version 32_1.0"));
    EXPECT_EQ(view->minimumSize(), QSize(684, 483));
    EXPECT_EQ(view->maximumSize(), QSize(684, 483));
    EXPECT_FALSE(view->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(view->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(view->font().bold());
    EXPECT_EQ(view->font().pixelSize(), 11);
    EXPECT_EQ(widget<QWidget>("Panel_13")->geometry(), QRect(2, 444, 681, 37));
    EXPECT_EQ(widget<QWidget>("Kill_btn")->size(), QSize(124, 25));
    EXPECT_EQ(widget<QWidget>("OK_btn")->size(), QSize(60, 39));
    EXPECT_FALSE(widget<QCheckBox>("Screensaver")->isVisibleTo(view.get()));
    auto* list = widget<QListWidget>("palette_list");
    EXPECT_EQ(list->count(), 12);
    view->show();
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 13);
    EXPECT_EQ(list->viewport()->height() % 13, 0) << "a whole number of rows";
}

TEST_F(settings_form_view_test, every_catalogue_entry_has_one_widget_of_its_kind_with_its_hint) {
    for (const parameter& entry : parameter_catalogue()) {
        const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
        const QList<QWidget*> widgets = view->findChildren<QWidget*>(name);
        ASSERT_EQ(widgets.size(), 1) << entry.name;
        QWidget* widget = widgets.front();
        const bool of_its_kind = [&] {
            switch (entry.kind) {
                case parameter_kind::scroll_bar: return qobject_cast<QScrollBar*>(widget) != nullptr;
                case parameter_kind::radio_button: return qobject_cast<QRadioButton*>(widget) != nullptr;
                case parameter_kind::check_box: return qobject_cast<QCheckBox*>(widget) != nullptr;
                case parameter_kind::list_box: return qobject_cast<QListWidget*>(widget) != nullptr;
            }
            return false;
        }();
        EXPECT_TRUE(of_its_kind) << entry.name;
        EXPECT_EQ(widget->isVisibleTo(view.get()), entry.visible) << entry.name;
        EXPECT_EQ(widget->toolTip().toStdString(), entry.hint) << entry.name;
    }
    EXPECT_EQ(widget<QCheckBox>("fix_speed")->toolTip(), QStringLiteral("Green = Could go faster"));
}

TEST_F(settings_form_view_test, widgets_move_their_controls_and_show_every_change_of_them) {
    auto* magnification = widget<QScrollBar>("magnification");
    magnification->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(controls.magnification.position(), 10);
    controls.magnification.set_position(55);
    EXPECT_EQ(magnification->value(), 55);

    widget<QCheckBox>("rub_out")->click();
    EXPECT_TRUE(controls.rub_out.checked());

    // Radio buttons: the controls keep the groups; a checked one stays checked.
    auto* periodic = widget<QRadioButton>("shape_per");
    auto* random = widget<QRadioButton>("shape_ran");
    random->click();
    EXPECT_TRUE(controls.shape_ran.checked());
    EXPECT_FALSE(periodic->isChecked());
    random->click();
    EXPECT_TRUE(random->isChecked());
    EXPECT_TRUE(controls.shape_ran.checked());
    EXPECT_FALSE(widget<QRadioButton>("no_motion")->isChecked()) << "a group may have none checked";

    widget<QListWidget>("palette_list")->setCurrentRow(2);
    EXPECT_EQ(controls.palette_list.item_index(), 2);

    // A loaded setting reaches every widget.
    std::vector<std::string> setting = controls_to_lines(settings_controls(), "Loaded");
    setting.insert(setting.end(), {"density3 -100 0 -80", "rub_out FALSE", "shape_per TRUE", "mouse_motion TRUE",
                                   "palette_list e.pal", "speed_scroll 1 200 60"});
    lines_to_controls(controls, setting);
    EXPECT_EQ(widget<QScrollBar>("density3")->minimum(), -100);
    EXPECT_EQ(widget<QScrollBar>("density3")->value(), -80);
    EXPECT_EQ(widget<QScrollBar>("density3")->orientation(), Qt::Vertical);
    EXPECT_FALSE(widget<QCheckBox>("rub_out")->isChecked());
    EXPECT_TRUE(periodic->isChecked());
    EXPECT_FALSE(random->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("mouse_motion")->isChecked());
    EXPECT_EQ(widget<QListWidget>("palette_list")->currentRow(), 4);
    EXPECT_EQ(widget<QLabel>("designed_speed")->text(), QStringLiteral("60"));
    EXPECT_EQ(widget<QLabel>("f_speed")->text(), QStringLiteral("0"));
}

TEST_F(settings_form_view_test, dragging_the_maximum_rotation_speed_stops_at_the_minimum) {
    controls.max_rot_speed.set_position(80);
    controls.min_rot_speed.set_position(50);
    view->show();
    auto* bar = widget<QScrollBar>("max_rot_speed");
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    ASSERT_TRUE(thumb.isValid());

    // Drag the thumb all the way to the left.
    send_mouse(bar, QEvent::MouseButtonPress, thumb.center(), Qt::LeftButton);
    send_mouse(bar, QEvent::MouseMove, QPoint(0, thumb.center().y()), Qt::LeftButton);
    EXPECT_EQ(bar->sliderPosition(), 50);
    EXPECT_EQ(controls.max_rot_speed.position(), 50);
    send_mouse(bar, QEvent::MouseButtonRelease, QPoint(0, thumb.center().y()), Qt::NoButton);
    EXPECT_EQ(bar->value(), 50);
    EXPECT_EQ(controls.max_rot_speed.position(), 50);

    // The minimum cannot be pushed past the maximum either.
    widget<QScrollBar>("min_rot_speed")->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(controls.min_rot_speed.position(), 50);
    EXPECT_EQ(widget<QScrollBar>("min_rot_speed")->value(), 50);
}

TEST_F(settings_form_view_test, buttons_follow_their_controls_rules) {
    auto* set = widget<QPushButton>("Set_speed");
    controls.f_speed.set_caption("250");
    widget<QCheckBox>("fix_speed")->click();
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(widget<QScrollBar>("speed_scroll")->isEnabled());
    set->click();
    EXPECT_EQ(controls.designed_speed.caption(), "1") << "a greyed button does nothing";
    widget<QCheckBox>("fix_speed")->click();
    set->click();
    EXPECT_EQ(widget<QLabel>("designed_speed")->text(), QStringLiteral("200"));
    EXPECT_EQ(widget<QScrollBar>("speed_scroll")->value(), 200);

    widget<QPushButton>("PDF_zero")->click();
    EXPECT_EQ(widget<QScrollBar>("density7")->value(), 100);
}

TEST_F(settings_form_view_test, f1_anywhere_on_the_form_asks_for_help) {
    int helps = 0;
    view->open_help = [&] { ++helps; };
    view->show();
    send_key(widget<QScrollBar>("vanishing"), Qt::Key_F1);
    send_key(widget<QListWidget>("palette_list"), Qt::Key_F1);
    send_key(view.get(), Qt::Key_F1);
    send_key(widget<QScrollBar>("vanishing"), Qt::Key_F2);
    EXPECT_EQ(helps, 3);
}

TEST_F(settings_form_view_test, reports_ok_cancel_and_the_end_of_the_program) {
    EXPECT_EQ(show_and([&] { widget<QPushButton>("OK_btn")->click(); }), modal_result::ok);
    EXPECT_EQ(view->result(), 1) << "the designed code of OK";
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(show_and([&] { widget<QPushButton>("Can_btn")->click(); }), modal_result::cancel);
    EXPECT_EQ(view->result(), 2) << "the designed code of Cancel";

    // Escape does not close the form; its own buttons do.
    bool open_after_escape = false;
    EXPECT_EQ(show_and([&] {
                  send_key(view.get(), Qt::Key_Escape);
                  open_after_escape = view->isVisible();
                  widget<QPushButton>("OK_btn")->click();
              }),
              modal_result::ok);
    EXPECT_TRUE(open_after_escape);

    view->kill_program = [&] { view->end_for_program_exit(); };
    EXPECT_EQ(show_and([&] { widget<QPushButton>("Kill_btn")->click(); }), modal_result::cancel);

    // A setting loaded from the library, then Cancel: the form still says Cancel.
    view->load_settings = [&] {
        lines_to_controls(controls, controls_to_lines(settings_controls(), "Other"));
        return modal_result::ok;
    };
    EXPECT_EQ(show_and([&] {
                  widget<QPushButton>("Load_btn")->click();
                  widget<QPushButton>("Can_btn")->click();
              }),
              modal_result::cancel);
    EXPECT_TRUE(controls.setting_loaded);
}

TEST_F(settings_form_view_test, showing_colours_the_speed_check_and_scrolls_the_palette_to_the_third_row) {
    controls.palette_list.set_item_index(6);
    view->had_to_wait = [] { return true; };
    int top_row = -1;
    QColor check_colour;
    show_and([&] {
        auto* list = widget<QListWidget>("palette_list");
        top_row = list->indexAt(QPoint(2, 2)).row();
        check_colour = widget<QCheckBox>("fix_speed")->palette().color(QPalette::Text);
    });
    EXPECT_EQ(top_row, 4);
    EXPECT_EQ(check_colour, QColor(0, 0x80, 0));

    view->had_to_wait = nullptr;
    show_and([&] { check_colour = widget<QCheckBox>("fix_speed")->palette().color(QPalette::Text); });
    EXPECT_EQ(check_colour, QColor(0x80, 0, 0));
}

TEST_F(settings_form_view_test, going_away_leaves_the_controls_as_they_were) {
    controls.palette_list.set_item_index(3);
    controls.max_polygons.set_position(40);
    view.reset();
    EXPECT_EQ(controls.palette_list.item_index(), 3);
    EXPECT_EQ(controls.max_polygons.position(), 40);
    controls.max_polygons.set_position(41);  // no widget left to show it
    EXPECT_FALSE(controls.max_polygons.on_state_changed);
}

}  // namespace
}  // namespace quor

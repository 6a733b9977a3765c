#include "ui/about_box_view.h"

#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

#include "shell/startup_text.h"
#include "ui/control_bindings.h"
#include "ui/form_pictures.h"
#include "ui/idle_adapter.h"
#include "ui/thinking_box_view.h"

namespace quor {

namespace {

constexpr int left_bar_x = 8;     // pixels, the rotation bars
constexpr int right_bar_x = 418;  // pixels, the other bars
constexpr int bar_width = 13;     // pixels
constexpr int picture_inset = 6;  // pixels between the picture's outer panel and the picture

QString text_of(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QFrame* panel(QWidget* parent, const char* name, QRect area, QFrame::Shadow shadow) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setGeometry(area);
    return frame;
}

}  // namespace

about_box_hooks frame_loop_hand_over(idle_adapter& idle, idle_handler main_handler, std::function<void()> black_out,
                                     bool& box_shown) {
    return {[&idle, &box_shown, black_out = std::move(black_out)] {
                box_shown = true;
                // No handler: the loop waits for events, and the box's timer is one.
                idle.set_handler({});
                if (black_out) black_out();
            },
            [&idle, &box_shown, main_handler = std::move(main_handler)] {
                box_shown = false;
                idle.set_handler(main_handler);
            }};
}

// Only presents what the demonstration drew.
class about_box_view::picture_panel final : public QWidget {
public:
    picture_panel(QWidget* parent, const QImage& picture) : QWidget(parent), picture_(picture) {
        setObjectName(QStringLiteral("DIBpanel"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::black);
        if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
    }

private:
    const QImage& picture_;
};

about_box_view::about_box_view(about_demonstration& demonstration, const animation_palette& palette,
                               about_box_hooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      demonstration_(demonstration),
      palette_(palette),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("About_Form"));
    setWindowTitle(QStringLiteral("About ") + text_of(startup_text::application_title));
    setFont(form_font());
    setFixedSize(client_width, client_height);
    frame_timer_.setSingleShot(true);
    frame_timer_.setTimerType(Qt::PreciseTimer);
    connect(&frame_timer_, &QTimer::timeout, this, [this] { run_frame(); });
    build();
}

about_box_view::~about_box_view() {
    // A box destroyed while shown still gives the loop back.
    if (owns_frame_loop_) {
        demonstration_.FormHide();
        if (hooks_.give_back_frame_loop) hooks_.give_back_frame_loop();
    }
}

void about_box_view::build() {
    about_controls& controls = demonstration_.controls;

    QFrame* title_outer = panel(this, "Panel2", QRect(28, 8, 384, 41), QFrame::Raised);
    QFrame* title = panel(title_outer, "Panel4", QRect(3, 3, 378, 35), QFrame::Sunken);
    auto* title_text = new QLabel(text_of(startup_text::application_title) + QStringLiteral("   ") +
                                      QString::fromLatin1(version_text),
                                  title);
    title_text->setGeometry(title->contentsRect());
    title_text->setAlignment(Qt::AlignCenter);

    QFrame* picture_outer = panel(this, "Panel1", QRect(28, 52, 384, 320), QFrame::Raised);
    picture_panel_ = new picture_panel(picture_outer, picture_);
    picture_panel_->setGeometry(picture_inset, picture_inset, about_demonstration::picture_size.x,
                                about_demonstration::picture_size.y);

    first_bar_ = bound_widget(this, QRect(left_bar_x, 58, bar_width, 95), controls.x_rot, bind_scroll_bar);
    bound_widget(this, QRect(left_bar_x, 165, bar_width, 95), controls.y_rot, bind_scroll_bar);
    bound_widget(this, QRect(left_bar_x, 271, bar_width, 95), controls.z_rot, bind_scroll_bar);
    bound_widget(this, QRect(right_bar_x, 58, bar_width, 73), controls.persp, bind_scroll_bar);
    bound_widget(this, QRect(right_bar_x, 136, bar_width, 73), controls.cycle_speed, bind_scroll_bar);
    bound_widget(this, QRect(right_bar_x, 215, bar_width, 73), controls.morph_sc, bind_scroll_bar);
    bound_widget(this, QRect(right_bar_x, 293, bar_width, 73), controls.pause_sc, bind_scroll_bar);

    QFrame* bottom = panel(this, "Panel3", QRect(29, 376, 384, 101), QFrame::Raised);
    QFrame* credits = panel(bottom, "Panel5", QRect(0, 0, 293, 101), QFrame::Sunken);
    auto* credit_lines = new QVBoxLayout(credits);
    credit_lines->setContentsMargins(6, 10, 6, 10);
    for (const char* line : {"Quorrings: rings streaming in perspective", "Written by the Quorrings team",
                             "Palette animation on an emulated 8-bit screen", "Thank you for watching"}) {
        auto* text = new QLabel(QString::fromLatin1(line), credits);
        text->setAlignment(Qt::AlignCenter);
        credit_lines->addWidget(text);
    }

    auto* ok = new QPushButton(bottom);
    ok->setGeometry(310, 8, 60, 35);
    const QIcon glyph = button_glyph(glyph_kind::ok, font());
    ok->setIcon(glyph);
    ok->setIconSize(glyph.availableSizes().value(0));
    ok->setDefault(true);
    handlers_.attach(controls.OK_btn.on_click, [this](button&) { done(modal_result_code(modal_result::ok)); });
    bind_button(*ok, controls.OK_btn, button_face::own_picture);

    auto* stabilize = new QPushButton(bottom);
    stabilize->setGeometry(310, 46, 60, 19);
    stabilize->setFocusPolicy(Qt::TabFocus);
    bind_button(*stabilize, controls.Button1);

    QFrame* speed = panel(bottom, "about_speed_panel", QRect(310, 68, 60, 25), QFrame::Sunken);
    auto* speed_text = new QLabel(speed);
    speed_text->setGeometry(speed->contentsRect());
    speed_text->setAlignment(Qt::AlignCenter);
    bind_label(*speed_text, controls.about_speed);
}

modal_result about_box_view::show_modal() { return closed_result(exec()); }

void about_box_view::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (owns_frame_loop_) return;
    centre_on_screen(*this);
    if (hooks_.take_frame_loop) hooks_.take_frame_loop();
    owns_frame_loop_ = true;
    demonstration_.FormShow(palette_.palette_record(), palette_.colour_count());
    const DIBsurfaceobject& surface = *demonstration_.surface();
    pixels_.assign(static_cast<std::size_t>(surface.width()) * static_cast<std::size_t>(surface.height()), 0xff000000u);
    picture_ = QImage(reinterpret_cast<uchar*>(pixels_.data()), surface.width(), surface.height(),
                      surface.width() * qsizetype(sizeof(std::uint32_t)), QImage::Format_RGB32);
    first_bar_->setFocus();
    present();
    schedule_next_frame();
}

void about_box_view::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!owns_frame_loop_) return;
    frame_timer_.stop();
    demonstration_.FormHide();
    owns_frame_loop_ = false;
    if (hooks_.give_back_frame_loop) hooks_.give_back_frame_loop();
}

void about_box_view::reject() { done(modal_result_code(modal_result::cancel)); }

void about_box_view::schedule_next_frame() {
    // Whole milliseconds, rounded up: a timer that fired a little early finds
    // the frame not yet due and is simply set again.
    const double seconds = demonstration_.seconds_until_next_frame();
    frame_timer_.start(static_cast<int>(std::ceil(seconds * 1000.0)));
}

void about_box_view::run_frame() {
    if (!owns_frame_loop_) return;
    if (demonstration_.frame_routine()) present();
    schedule_next_frame();
}

void about_box_view::present() {
    const DIBsurfaceobject* surface = demonstration_.surface();
    if (!surface || picture_.isNull()) return;
    surface->copy_surface_to_screen({pixels_.data(), picture_.width(), picture_.height(), picture_.width()});
    picture_panel_->update();
}

}  // namespace quor

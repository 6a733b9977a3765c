#include "ui/quorrings_program.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "engine/angle_tables.h"
#include "engine/uniform_random.h"
#include "shell/startup_text.h"
#include "storage/configuration.h"
#include "storage/settings_file.h"
#include "ui/cursors.h"
#include "ui/screen_queries.h"

#include <string>
#include <vector>

namespace quor {

namespace {

QString text_of(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

quorrings_program::quorrings_program(quorrings_application& application, file_locations locations, QScreen* screen)
    : application_(application),
      locations_(std::move(locations)),
      messages_(application.messages()),
      thinking_box_(thinking_box_view_),
      display_modes_(screen_display_modes(screen)),
      palette_(messages_),
      screen_(screen ? screen : QGuiApplication::primaryScreen()) {}

quorrings_program::~quorrings_program() {
    // The idle handler and the windows go before what they use.
    idle_.reset();
    screen_cover_.reset();
    help_.reset();
    // The dialogs are the settings form's children: they go first.
    library_view_.reset();
    options_view_.reset();
    about_view_.reset();
    settings_view_.reset();
    view_.reset();
    window_.reset();
}

int quorrings_program::run() {
    int exit_code = 0;
    try {
        exit_code = run_startup({*this, display_modes_, processor_, messages_, thinking_box_});
    } catch (const std::exception& error) {
        // Start-up itself failed: nothing runs that could go on.
        thinking_box_.think_hide();
        messages_.show_message(error.what());
        exit_code = 1;
    }
    write_configuration_at_exit();
    return exit_code;
}

void quorrings_program::initialise_modules() {
    palette_.set_palette_dir(locations_);
    random_.emplace(current_time_of_day_seed());
    // The shared generator is seeded once more from the time of day, after
    // the engine's own generator has taken its start seed from it.
    random_->uniform.set_seed(current_time_of_day_seed());
}

int quorrings_program::vertical_scroll_bar_width() { return quor::vertical_scroll_bar_width(); }

void quorrings_program::install_cursors() {
    // The cursors are drawn in code when first selected; making them here
    // finds a fault before the animation starts.
    cursor_for_slot(dotted_cursor_slot);
    cursor_for_slot(hidden_cursor_slot);
}

void quorrings_program::initialise_application() {
    QCoreApplication::setApplicationName(text_of(startup_text::application_title));
}

void quorrings_program::init_angle_tables() { quor::init_angle_tables(); }

void quorrings_program::create_settings_form() {
    // Its creation fills the palette list and sets the speed bar.
    settings_view_ = std::make_unique<settings_form_view>(form_, palette_);
    settings_view_->kill_program = [this] { kill_program(); };
    settings_view_->had_to_wait = [this] { return window_ && window_->had_to_wait(); };
    settings_view_->open_help = [this] {
        if (!help_) help_ = std::make_unique<help_window>(settings_view_.get());
        help_->show_page(help_page_path(locations_.data_folder()));
    };
}

void quorrings_program::create_options_form() {
    options_created_ = true;
    read_configuration(options_, locations_.configuration_folder());
}

bool quorrings_program::create_library_form() {
    // Installed, the user's own copy of the shipped library is the one read and saved.
    const settings_file_location configured = configured_settings_file(options_, locations_.settings_folder());
    const settings_file_location file =
        locations_.is_portable() ? configured : provide_user_settings_file(configured, locations_.data_folder(), messages_);
    const library_load_result loaded =
        load_settings_library(library_, file,
                              first_pick_tagged_only(options_), form_, random_->uniform, progress_, messages_);
    // The settings form's library and options buttons open these two dialogs.
    library_dialog_ = std::make_unique<library_dialog>(library_, form_, random_->uniform, messages_);
    if (loaded.picked_row) library_dialog_->select_row(static_cast<int>(*loaded.picked_row));
    // With no setting to start from (an empty or damaged library) the rings
    // still get colours from the first palette there is, instead of a message
    // that there are none.
    if (!form_.palette_list.has_selection() && form_.palette_list.count() > 0) form_.palette_list.set_item_index(0);
    library_dialog_->hold_form_drawing = [this](bool held) { settings_view_->setUpdatesEnabled(!held); };
    library_view_ = std::make_unique<library_dialog_view>(*library_dialog_, settings_view_.get());
    options_dialog_ = std::make_unique<options_dialog>(options_, messages_, &library_);
    options_view_ = std::make_unique<options_dialog_view>(*options_dialog_, settings_view_.get());
    settings_view_->load_settings = [this] { return library_view_->show_for_load(); };
    settings_view_->save_settings = [this] { library_view_->show_for_save(); };
    settings_view_->show_options = [this] { options_view_->show_modal(); };
    return !loaded.end_program;
}

void quorrings_program::create_main_window() {
    const display_mode screen = display_modes_.current();
    main_window_services services{form_,
                                  options_,
                                  palette_,
                                  *random_,
                                  messages_,
                                  cursors_,
                                  clock_,
                                  make_quorrings,
                                  [this] { return show_settings_form(); },
                                  [this](bool tagged_only) { pick_random_setting(tagged_only); },
                                  [this] { return about_box_shown_; }};
    window_ = std::make_unique<main_window>(services, screen.width, screen.height);
    view_ = std::make_unique<main_window_view>(*window_);
    view_->setWindowTitle(text_of(startup_text::application_title));
    cursors_.attach(view_.get());
    view_->show_full_screen(screen_);
    screen_cover_ = std::make_unique<screen_cover>(screen_, [this](QScreen* screen) {
        const QSize size = device_size_of(screen);
        window_->resize(size.width(), size.height());
        view_->show_full_screen(screen);
    });
}

void quorrings_program::create_about_form() {
    about_demonstration_.emplace(clock_, random_->uniform);
    about_demonstration_->FormCreate(load_about_data_file(locations_.data_folder(), messages_));
    // The hooks run only while the box shows, long after the idle handler is installed.
    about_box_hooks hooks{[this] {
                              if (idle_) frame_loop_hooks().take_frame_loop();
                          },
                          [this] {
                              if (idle_) frame_loop_hooks().give_back_frame_loop();
                          }};
    about_view_ = std::make_unique<about_box_view>(*about_demonstration_, palette_, hooks, settings_view_.get());
    settings_view_->show_about = [this] { about_view_->show_modal(); };
}

about_box_hooks quorrings_program::frame_loop_hooks() {
    return frame_loop_hand_over(*idle_, main_idle_handler(), [this] {
        window_->black_out();
        view_->update();
    }, about_box_shown_);
}

idle_handler quorrings_program::main_idle_handler() {
    return [this](idle_turn& turn) { view_->idle_frame(turn); };
}

void quorrings_program::install_idle_handler() { idle_ = std::make_unique<idle_adapter>(main_idle_handler()); }

int quorrings_program::run_message_loop() {
    screen_saver_ = std::make_unique<screen_saver_inhibitor>();
    termination_ = std::make_unique<termination_signal>([this] { kill_program(); });
    const int exit_code = QCoreApplication::exec();
    termination_.reset();
    screen_saver_.reset();
    idle_.reset();
    return exit_code;
}

void quorrings_program::kill_program() {
    // A failed save leaves the program open, so that nothing is lost.
    if (save_settings_file(library_, configured_settings_file(options_, locations_.settings_folder()), progress_, messages_) ==
        save_result::failed)
        return;
    if (about_view_ && about_view_->isVisible()) about_view_->done(modal_result_code(modal_result::cancel));
    if (settings_view_ && settings_view_->isVisible()) settings_view_->end_for_program_exit();
    if (screen_cover_) screen_cover_->end_program();
    if (view_) view_->end_program();
    // Ends every loop that runs, the settings form's too.
    QCoreApplication::exit(0);
}

modal_result quorrings_program::show_settings_form() { return settings_view_->show_modal(); }

void quorrings_program::pick_random_setting(bool tagged_only) {
    library_dialog_->pick_random_setting(tagged_only);
}

void quorrings_program::write_configuration_at_exit() {
    if (options_created_) write_configuration(options_, locations_.configuration_folder(), messages_);
}

}  // namespace quor

#include "ui/library_dialog_view.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextOption>

#include "ui/control_bindings.h"
#include "ui/form_pictures.h"
#include "ui/screen_queries.h"
#include "ui/thinking_box_view.h"

namespace quor {

namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// The tag mark, 15 x 13: a miniature monitor showing coloured lines.
QPixmap tag_picture() {
    QPixmap picture(15, 13);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 15, 10, QColor(64, 64, 64));
    painter.fillRect(1, 1, 13, 8, Qt::black);
    const QColor colours[] = {QColor(255, 64, 64), QColor(255, 220, 0), QColor(64, 220, 64), QColor(64, 160, 255)};
    for (int line = 0; line < 4; ++line) {
        painter.setPen(colours[line]);
        painter.drawLine(2, 2 + 2 * line, 12 - 2 * line, 2 + 2 * line);
    }
    painter.fillRect(6, 10, 3, 2, QColor(64, 64, 64));
    painter.fillRect(3, 12, 9, 1, QColor(64, 64, 64));
    return picture;
}

}  // namespace

// The library's rows as Qt sees them; the dialog's model is the only store.
class library_grid_model final : public QAbstractTableModel {
public:
    explicit library_grid_model(library_dialog& dialog) : dialog_(dialog) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : dialog_.settings_list.row_count();
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            return text_of(dialog_.settings_list.cell_text(index.column(), index.row()));
        }
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == My_str_grid::name_column) flags |= Qt::ItemIsEditable;
        return flags;
    }
    bool tagged(int row) const {
        const auto& settings = dialog_.library().settings;
        return row >= 0 && static_cast<std::size_t>(row) < settings.size() &&
               settings[static_cast<std::size_t>(row)].screensave();
    }
    // Rows added or removed, or only texts and tags changed.
    void show_changes() {
        if (shown_rows_ != rowCount()) {
            beginResetModel();
            shown_rows_ = rowCount();
            endResetModel();
        } else if (shown_rows_ > 0) {
            emit dataChanged(index(0, 0), index(shown_rows_ - 1, 1));
        }
    }

private:
    library_dialog& dialog_;
    int shown_rows_ = -1;
};

namespace {

// Draws the cells as the dialog does and gives the in-place editor; what is
// typed goes to the dialog's grid, never into Qt's model.
class library_grid_delegate final : public QStyledItemDelegate {
public:
    library_grid_delegate(library_grid_model& model, library_dialog& dialog, QObject* parent)
        : QStyledItemDelegate(parent), model_(model), dialog_(dialog), tag_(tag_picture()) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect cell = option.rect;
        const QPalette& colours = option.palette;
        if (index.column() == My_str_grid::name_column) {
            const bool selected = index.row() == dialog_.settings_list.row();
            painter->fillRect(cell, selected ? colours.highlight() : colours.button());
            painter->setPen(selected ? colours.highlightedText().color() : colours.windowText().color());
            painter->setFont(form_font());
            painter->drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              index.data().toString());
        } else if (model_.tagged(index.row())) {
            painter->fillRect(cell, colours.button());
            painter->drawPixmap(cell.left() + 12, cell.top() + 2, tag_);
        } else {
            painter->fillRect(cell, colours.button());
        }
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setFont(form_font());
        editor->setObjectName(QStringLiteral("name_editor"));
        QObject::connect(editor, &QLineEdit::textEdited,
                         [this](const QString& text) { dialog_.settings_list_typed(text.toStdString()); });
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        if (line->text() != index.data().toString()) line->setText(index.data().toString());
    }
    // Only the dialog commits a name.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    library_grid_model& model_;
    library_dialog& dialog_;
    QPixmap tag_;
};

}  // namespace

library_dialog_view::library_dialog_view(library_dialog& dialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), dialog_(dialog) {
    setWindowTitle(QStringLiteral("Available settings"));
    setFont(form_font());
    setFixedSize(client_width, client_height);
    build();
    handlers_.attach(dialog_.on_close, [this] { done(modal_result_code(dialog_.modal_result())); });
    connect(qApp, &QApplication::focusChanged, this, &library_dialog_view::focus_changed);
    refresh();
}

library_dialog_view::~library_dialog_view() {
    // Deleting the children moves the focus; by then this object is only a QWidget.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void library_dialog_view::build() {
    count_label_ = bound_widget(this, QRect(8, 8, 303, 16), dialog_.num_settings, bind_label);
    count_label_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    auto* container = new QFrame(this);
    container->setObjectName(QStringLiteral("Container"));
    container->setGeometry(7, 28, 306, 267);
    container->setFrameStyle(QFrame::Panel | QFrame::Raised);
    container->setLineWidth(2);
    const QRect inside = container->contentsRect();

    index_panel_ = new QWidget(container);
    index_panel_->setGeometry(inside);
    auto* titles_model = new QStandardItemModel(0, 2, this);
    titles_model->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Tag")});
    titles_ = new QHeaderView(Qt::Horizontal, index_panel_);
    titles_->setModel(titles_model);
    titles_->setGeometry(0, 0, inside.width(), 21);
    titles_->setSectionsClickable(false);
    titles_->setDefaultAlignment(Qt::AlignCenter);
    titles_->setEnabled(false);
    titles_->resizeSection(0, 250);
    titles_->resizeSection(1, library_dialog::tag_section_design_width);

    grid_model_ = new library_grid_model(dialog_);
    grid_model_->setParent(this);
    settings_list_ = new QTableView(index_panel_);
    settings_list_->setObjectName(QStringLiteral("settings_list"));
    settings_list_->setGeometry(0, 21, inside.width(), inside.height() - 21);
    settings_list_->setModel(grid_model_);
    settings_list_->setItemDelegate(new library_grid_delegate(*grid_model_, dialog_, settings_list_));
    settings_list_->horizontalHeader()->hide();
    settings_list_->verticalHeader()->hide();
    settings_list_->verticalHeader()->setMinimumSectionSize(row_height);
    settings_list_->verticalHeader()->setDefaultSectionSize(row_height);
    settings_list_->setFrameShape(QFrame::NoFrame);
    settings_list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    settings_list_->setSelectionMode(QAbstractItemView::NoSelection);
    settings_list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    settings_list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settings_list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    settings_list_->setAutoScroll(false);
    settings_list_->setBackgroundRole(QPalette::Button);
    settings_list_->viewport()->setBackgroundRole(QPalette::Button);
    settings_list_->viewport()->installEventFilter(this);
    settings_list_->installEventFilter(this);

    text_panel_ = new QFrame(container);
    text_panel_->setGeometry(inside);
    text_panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_panel_->setLineWidth(2);
    text_view_ = new QPlainTextEdit(text_panel_);
    text_view_->setObjectName(QStringLiteral("TextView"));
    text_view_->setGeometry(text_panel_->contentsRect());
    text_view_->setFrameShape(QFrame::NoFrame);
    text_view_->setReadOnly(true);
    text_view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont text_font = form_font();
    text_font.setItalic(true);
    text_view_->setFont(text_font);
    // Tab stops in dialog units: a quarter of the font's average character width.
    const double unit = QFontMetricsF(text_font).averageCharWidth() / 4.0;
    QTextOption option = text_view_->document()->defaultTextOption();
    QList<QTextOption::Tab> tabs;
    for (int stop : library_dialog::text_tab_stops) tabs.append(QTextOption::Tab(stop * unit, QTextOption::LeftTab));
    option.setTabs(tabs);
    option.setTabStopDistance(32 * unit);
    text_view_->document()->setDefaultTextOption(option);

    info_label_ = bound_widget(this, QRect(13, 296, 295, 18), dialog_.Info_label, bind_label);
    info_label_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    view_button_ = new QPushButton(this);
    view_button_->setGeometry(83, 316, 155, 25);
    bind_button(*view_button_, dialog_.ViewButton);
    ok_button_ = glyph_button(glyph_kind::ok, this);
    ok_button_->setGeometry(79, 351, 63, 39);
    bind_button(*ok_button_, dialog_.Ok_btn, button_face::own_picture);
    cancel_button_ = glyph_button(glyph_kind::cancel, this);
    cancel_button_->setGeometry(179, 351, 63, 39);
    bind_button(*cancel_button_, dialog_.Can_btn, button_face::own_picture);
    for (QPushButton* each : {view_button_, ok_button_, cancel_button_}) {
        each->setAutoDefault(false);
        // After the control's handler: the grid and the views show what it did.
        connect(each, &QPushButton::clicked, this, &library_dialog_view::after_event);
    }
}

QLineEdit* library_dialog_view::editor() const {
    if (editor_row_ < 0) return nullptr;
    return qobject_cast<QLineEdit*>(settings_list_->indexWidget(grid_model_->index(editor_row_, 0)));
}

modal_result library_dialog_view::show_for_load() {
    dialog_.prepare_for_load();
    return show_modal();
}

modal_result library_dialog_view::show_for_save() {
    dialog_.prepare_for_save();
    return show_modal();
}

modal_result library_dialog_view::show_modal() { return closed_result(exec()); }

void library_dialog_view::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_screen(*this);
    dialog_.FormShow(settings_list_->width(), quor::vertical_scroll_bar_width());
    titles_->resizeSection(0, dialog_.name_section_width());
    titles_->resizeSection(1, dialog_.tag_section_width());
    refresh();
    settings_list_->verticalScrollBar()->setValue(dialog_.settings_list.top_row);
}

void library_dialog_view::reject() {
    if (!isVisible()) return QDialog::reject();
    dialog_.Can_btnClick();
    after_event();
}

void library_dialog_view::after_event() {
    if (isVisible()) refresh();
}

bool library_dialog_view::inside_grid(const QWidget* widget) const {
    return widget && (widget == settings_list_ || settings_list_->isAncestorOf(widget));
}

void library_dialog_view::focus_changed(QWidget* old_focus, QWidget* new_focus) {
    if (refreshing_) return;
    const bool was_inside = inside_grid(old_focus);
    const bool is_inside = inside_grid(new_focus);
    if (was_inside == is_inside) return;
    if (is_inside) {
        dialog_.settings_list_focus_in();
    } else {
        dialog_.settings_list_focus_out();
    }
    after_event();
}

bool library_dialog_view::eventFilter(QObject* watched, QEvent* event) {
    const bool grid_event = watched == settings_list_->viewport() || watched == settings_list_;
    if (grid_event && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return true;
        const QModelIndex cell = settings_list_->indexAt(mouse->position().toPoint());
        settings_list_->setFocus(Qt::MouseFocusReason);
        dialog_.settings_list_mouse_down(cell.isValid() ? cell.column() : -1, cell.isValid() ? cell.row() : -1,
                                         event->type() == QEvent::MouseButtonDblClick);
        after_event();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (grid_event || watched == editor())) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                dialog_.settings_list_key_press(library_dialog::enter_key);
                after_event();
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down: {
                const int step = key->key() == Qt::Key_Up ? -1 : 1;
                dialog_.settings_list.select_cell(My_str_grid::name_column, dialog_.settings_list.row() + step);
                after_event();
                return true;
            }
            case Qt::Key_Escape:
                reject();
                return true;
            default:
                break;
        }
    }
    if (grid_event && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove)) return true;
    return QDialog::eventFilter(watched, event);
}

void library_dialog_view::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    const My_str_grid& grid = dialog_.settings_list;
    index_panel_->setVisible(dialog_.index_view_visible());
    text_panel_->setVisible(!dialog_.index_view_visible());
    QStringList lines;
    for (const std::string& line : dialog_.text_view_lines()) lines.append(text_of(line));
    if (text_view_->toPlainText() != lines.join('\n')) text_view_->setPlainText(lines.join('\n'));

    // A reset closes every editor: the open one is reopened below.
    const int rows_before = grid_model_->rowCount();
    if (editor_row_ >= 0 && (!grid.editor() || editor_row_ != grid.row() || rows_before != grid.row_count())) {
        settings_list_->closePersistentEditor(grid_model_->index(editor_row_, 0));
        editor_row_ = -1;
    }
    grid_model_->show_changes();
    settings_list_->setColumnWidth(0, dialog_.column_width(0));
    settings_list_->setColumnWidth(1, dialog_.column_width(1));
    settings_list_->verticalScrollBar()->setTracking(grid.thumb_tracking);
    if (grid.row() >= 0) {
        const QModelIndex current = grid_model_->index(grid.row(), 0);
        settings_list_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        settings_list_->scrollTo(current);
    }
    if (grid.editor() && editor_row_ < 0) {
        editor_row_ = grid.row();
        settings_list_->openPersistentEditor(grid_model_->index(editor_row_, 0));
        if (QLineEdit* line = editor()) line->installEventFilter(this);
    }
    if (QLineEdit* line = editor()) {
        const QString text = text_of(grid.cell_text(0, editor_row_));
        if (line->text() != text) line->setText(text);
        if (dialog_.editor_select_all) line->selectAll();
        if (dialog_.grid_wants_focus && isVisible()) line->setFocus(Qt::OtherFocusReason);
    } else if (dialog_.grid_wants_focus && isVisible()) {
        settings_list_->setFocus(Qt::OtherFocusReason);
    }
    if (isVisible()) {
        dialog_.editor_select_all = false;
        dialog_.grid_wants_focus = false;
    }
    settings_list_->viewport()->update();
    refreshing_ = false;
}

}  // namespace quor

// The Qt 6 back end: dialog windows, input, modal loops, boxes, menus, timers.
#include "platform/qt/qt_backend.h"

#include "platform/paint/raster_painter.h"
#include "platform/qt/list_scroll.h"
#include "platform/win/clipboard.h"
#include "platform/win/controls.h"
#include "platform/win/custom_input.h"
#include "platform/win/dialog.h"
#include "platform/win/message_box.h"
#include "platform/win/paint.h"
#include "platform/win/timers.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <map>
#include <vector>

namespace qtback {

namespace {

using win::Window;

QString qs(const std::wstring& s) {
    return QString::fromStdWString(s);
}

// The deepest visible window under a point of `root`'s client area; `local`
// becomes the point in that window's client coordinates.
Window* windowAt(Window& root, win::Point p, win::Point& local) {
    Window* hit = &root;
    local = p;
    for (bool deeper = true; deeper;) {
        deeper = false;
        const auto& kids = hit->children();
        // Later children lie over earlier ones.
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            Window* kid = *it;
            if ((kid->style() & win::WS_VISIBLE) == 0) continue;
            if (!kid->rect().contains(local)) continue;
            local = {local.x - kid->rect().left, local.y - kid->rect().top};
            hit = kid;
            deeper = true;
            break;
        }
    }
    return hit;
}

int vkOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return win::VK_RETURN;
    case Qt::Key_Escape:
        return win::VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return win::VK_TAB;
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Delete:
        return 0x2E;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_End:
        return 0x23;
    default:
        if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 0x70 + (key - Qt::Key_F1);
        if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
            return key;
        return 0;
    }
}

// The window with a drop target at or above `w`; `local` moves into its
// client coordinates.
Window* dropWindow(Window* w, win::Point& local) {
    while (w && !win::dropTargetOf(*w)) {
        local = {local.x + w->rect().left, local.y + w->rect().top};
        w = w->parent();
    }
    return w;
}

// The drop target under the pointer during a drag (ours or another
// program's): entered, told of each move, then left or dropped on.
struct DropOver {
    win::WindowHandle over = 0; // the window whose drop target is under the pointer
    win::Point local{};         // the pointer in its client coordinates
    std::uint32_t effect = win::DROPEFFECT_NONE; // its last answer

    // The pointer is over `w` (the deepest window there, or none) at `at`.
    void move(Window* w, win::Point at, const win::DataObject& data, win::KeyState keys,
              std::uint32_t allowed) {
        w = w ? dropWindow(w, at) : nullptr;
        if (Window* before = Window::fromHandle(over); before && before != w) leave();
        // Each answer may end the window's life or its registration.
        const win::WindowHandle h = w ? w->handle() : 0;
        auto target = [&]() -> win::DropTarget* {
            Window* still = Window::fromHandle(h);
            return still ? win::dropTargetOf(*still) : nullptr;
        };
        if (h != 0 && over != h && target()) {
            over = h;
            effect = target()->dragEnter(*w, data, keys, at) & allowed;
        }
        if (h != 0 && over == h && target()) effect = target()->dragOver(*w, data, keys, at) & allowed;
        if (!target()) {
            over = 0;
            effect = win::DROPEFFECT_NONE;
        }
        local = at;
    }

    void leave() {
        if (Window* w = Window::fromHandle(over))
            if (win::DropTarget* t = win::dropTargetOf(*w)) t->dragLeave(*w);
        over = 0;
        effect = win::DROPEFFECT_NONE;
    }

    // The drop where the last move left the pointer (a refused one leaves
    // the target); the effect the target chose.
    std::uint32_t drop(const win::DataObject& data, std::uint32_t allowed) {
        Window* w = Window::fromHandle(over);
        win::DropTarget* t = w ? win::dropTargetOf(*w) : nullptr;
        if (!t) return win::DROPEFFECT_NONE;
        if (effect == win::DROPEFFECT_NONE) {
            leave();
            return win::DROPEFFECT_NONE;
        }
        over = 0;
        return t->drop(*w, data, effect, local) & allowed;
    }
};

// What another program drags: its text, and its local files as paths;
// none when it brings neither.
std::optional<win::DataObject> dataFrom(const QMimeData* mime) {
    if (!mime) return std::nullopt;
    win::DataObject data;
    std::vector<std::wstring> files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdWString());
    if (!files.empty()) data.setFiles(files);
    // Text as the program offers it (Qt would also give a list of URLs as
    // text, which is no text the program dragged).
    const QStringList formats = mime->formats();
    if (std::any_of(formats.begin(), formats.end(),
                    [](const QString& f) { return f.startsWith(QLatin1String("text/plain")); }))
        data.setText(mime->text().toStdWString());
    if (data.formats().empty()) return std::nullopt;
    return data;
}

} // namespace

// One top-level dialog on screen.
class DialogWidget final : public QWidget {
public:
    DialogWidget(QtBackend& backend, Window& window)
        : backend_(backend), handle_(window.handle()) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setAcceptDrops(true);
        setWindowTitle(qs(window.text()));
        sync(window);
    }

    Window* window() const { return Window::fromHandle(handle_); }

    void sync(const Window& w) {
        const win::Rect r = w.rect();
        if (size() != QSize(r.width(), r.height())) {
            setFixedSize(r.width(), r.height());
            backing_.reset();
        }
    }

    // Marks a window of this dialog for painting.
    void invalidate(const Window& w) {
        const win::Point at = offsetOf(w);
        update(at.x, at.y, w.rect().width(), w.rect().height());
    }

    void forget() { handle_ = 0; }

protected:
    void paintEvent(QPaintEvent* event) override {
        Window* w = window();
        QPainter out(this);
        if (!w) {
            out.fillRect(event->rect(), Qt::lightGray);
            return;
        }
        if (!backing_) {
            backing_ = std::make_unique<paint::RasterPainter>(width(), height());
            win::paintTree(*w, *backing_);
        } else {
            const QRect q = event->rect();
            const win::Rect dirty{q.left(), q.top(), q.right() + 1, q.bottom() + 1};
            win::paintTree(*w, *backing_, &dirty);
        }
        const QImage image(backing_->rgba(), backing_->width(), backing_->height(),
                           QImage::Format_RGBA8888);
        out.drawImage(event->rect(), image, event->rect());
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) pointer(e, win::InputKind::Press);
        if (e->button() == Qt::RightButton) pointer(e, win::InputKind::RightPress);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) pointer(e, win::InputKind::Release);
        if (e->button() == Qt::RightButton) pointer(e, std::nullopt);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) pointer(e, win::InputKind::DoubleClick);
    }
    void mouseMoveEvent(QMouseEvent* e) override { pointer(e, win::InputKind::Move); }
    void wheelEvent(QWheelEvent* e) override {
        Window* root = window();
        if (!root || backend_.dragging()) return;
        const QPoint at = e->position().toPoint();
        win::Point local;
        Window* target = windowAt(*root, {at.x(), at.y()}, local);
        win::UserInput in;
        in.kind = win::InputKind::Wheel;
        in.at = local;
        in.wheel = e->angleDelta().y() / 120;
        offer(*target, in);
    }
    void keyPressEvent(QKeyEvent* e) override { key(e, true); }
    void keyReleaseEvent(QKeyEvent* e) override { key(e, false); }
    // Drags from other programs: over the drop targets of the dialog's
    // windows as the layer's own drags go (the effects are Qt's actions).
    void dragEnterEvent(QDragEnterEvent* e) override {
        outside_ = dataFrom(e->mimeData());
        if (!outside_) return e->ignore();
        // Accepted, so that the moves come; each move says whether a drop
        // would be taken there.
        outsideMove(e);
        e->accept();
    }
    void dragMoveEvent(QDragMoveEvent* e) override { outsideMove(e); }
    void dragLeaveEvent(QDragLeaveEvent*) override {
        outsideTarget_.leave();
        outside_.reset();
        settle(true);
    }
    void dropEvent(QDropEvent* e) override {
        if (outside_) outsideMove(e);
        const std::uint32_t allowed = static_cast<std::uint32_t>(e->possibleActions()) & 7u;
        const std::uint32_t effect = outside_ ? outsideTarget_.drop(*outside_, allowed) : 0;
        outside_.reset();
        if (effect != win::DROPEFFECT_NONE) {
            e->setDropAction(actionOf(effect, e->proposedAction()));
            e->accept();
        } else {
            e->ignore();
        }
        settle(true);
    }
    void closeEvent(QCloseEvent* e) override {
        // The user closes the window as Escape would; the dialog decides.
        e->ignore();
        if (Window* w = window()) w->sendMessage(win::WM_CLOSE);
        backend_.wake();
    }

private:
    win::Point offsetOf(const Window& w) const {
        win::Point p{0, 0};
        for (const Window* up = &w; up && up->handle() != handle_; up = up->parent()) {
            p.x += up->rect().left;
            p.y += up->rect().top;
        }
        return p;
    }

    // A pointer event: to a drag in progress, else to the window the pointer
    // is captured by or the deepest window under it, offered to the custom
    // input handlers first. Without a kind it is the right button's release.
    void pointer(QMouseEvent* e, std::optional<win::InputKind> kind) {
        Window* root = window();
        if (!root) return;
        const QPoint global = e->globalPosition().toPoint();
        if (backend_.dragging()) {
            if (kind == win::InputKind::Move) backend_.dragMove(global, keyState(e->modifiers()));
            if (kind == win::InputKind::Release) backend_.dragEnd(global, keyState(e->modifiers()));
            return;
        }
        const QPoint at = e->position().toPoint();
        win::Point local;
        Window* target = Window::fromHandle(captured_);
        if (target && target->topLevel() == root) {
            const win::Point off = offsetOf(*target);
            local = {at.x() - off.x, at.y() - off.y};
        } else {
            target = windowAt(*root, {at.x(), at.y()}, local);
        }
        if ((kind == win::InputKind::Press || kind == win::InputKind::Release) &&
            !backend_.pressedAt(global, kind == win::InputKind::Press))
            return;
        const int drags = backend_.dragCount();
        win::UserInput in;
        in.at = local;
        in.shift = (e->modifiers() & Qt::ShiftModifier) != 0;
        in.control = (e->modifiers() & Qt::ControlModifier) != 0;
        const win::WindowHandle h = target->handle();
        if (kind) {
            in.kind = *kind;
            win::InputReply reply;
            if (offer(*target, in, &reply)) {
                captured_ = reply.capture && *kind == win::InputKind::Press ? h : 0;
                // A drag ran during the press: the button is up already.
                if (captured_ != 0 && backend_.dragCount() != drags) {
                    captured_ = 0;
                    if (Window* still = Window::fromHandle(h)) {
                        in.kind = win::InputKind::Release;
                        offer(*still, in);
                    }
                }
                return;
            }
            if (*kind == win::InputKind::Move) return;
        }
        captured_ = 0;
        const bool isRight = !kind || *kind == win::InputKind::RightPress;
        const win::UINT msg = !kind                                   ? win::WM_RBUTTONUP
                              : *kind == win::InputKind::RightPress   ? win::WM_RBUTTONDOWN
                              : *kind == win::InputKind::Press        ? win::WM_LBUTTONDOWN
                              : *kind == win::InputKind::DoubleClick  ? win::WM_LBUTTONDBLCLK
                                                                      : win::WM_LBUTTONUP;
        Window::dispatchInput({target, msg, isRight ? win::MK_RBUTTON : win::MK_LBUTTON,
                               win::makeLParam(local.x, local.y)});
        if (Window* still = Window::fromHandle(h); still && msg == win::WM_LBUTTONUP)
            act(*still, local, global);
        else if (still && msg == win::WM_LBUTTONDBLCLK)
            actTwice(*still, local);
        settle(true);
    }

    // Offers input to the custom handlers; draws what the one that took it
    // changed.
    bool offer(Window& target, const win::UserInput& in, win::InputReply* out = nullptr) {
        win::InputReply reply;
        const win::WindowHandle h = target.handle();
        if (!win::offerCustomInput(target, in, reply)) return false;
        if (out) *out = reply;
        if (reply.everything) {
            update();
        } else if (Window* still = Window::fromHandle(h)) {
            const win::Point off = offsetOf(*still);
            for (const win::Rect& r : reply.repaint)
                update(r.left + off.x, r.top + off.y, r.width(), r.height());
        }
        settle(false);
        return true;
    }

    // After input the layer may have posted messages and ended dialogs.
    // Input that went to the module may have changed what any control
    // shows, the grids too, which do not say so: the whole window is drawn.
    void settle(bool everything) {
        win::pumpMessages();
        if (everything && window()) update();
        backend_.wake();
    }

    static win::KeyState keyState(Qt::KeyboardModifiers m) {
        win::KeyState keys = win::MK_LBUTTON;
        if (m & Qt::ShiftModifier) keys |= win::MK_SHIFT;
        if (m & Qt::ControlModifier) keys |= win::MK_CONTROL;
        return keys;
    }

    // What a double click does to a list: opens the item.
    void actTwice(Window& target, win::Point local) {
        if (!target.isEnabled()) return;
        paint::RasterPainter metrics(1, 1);
        if (auto* v = dynamic_cast<win::ListView*>(&target))
            if (const int index = win::listViewItemAt(*v, metrics, local); index >= 0)
                v->doubleClick(index);
        if (auto* l = dynamic_cast<win::ListBox*>(&target))
            if (const int index = win::listBoxItemAt(*l, metrics, local); index >= 0)
                l->doubleClick(index);
    }

    // What a click does to a standard control.
    void act(Window& target, win::Point local, QPoint global) {
        if (!target.isEnabled()) return;
        if (auto* b = dynamic_cast<win::Button*>(&target)) {
            b->click();
            return;
        }
        if (auto* e = dynamic_cast<win::Edit*>(&target)) {
            e->setFocus();
            e->setSel(-1, 0);
            return;
        }
        paint::RasterPainter metrics(1, 1);
        if (auto* c = dynamic_cast<win::ComboBox*>(&target)) {
            QMenu menu;
            for (int i = 0; i < c->getCount(); ++i)
                menu.addAction(qs(c->getLBText(i)))->setData(i);
            if (QAction* chosen = menu.exec(global)) c->choose(chosen->data().toInt());
            return;
        }
        if (auto* l = dynamic_cast<win::ListBox*>(&target)) {
            if (const int index = win::listBoxItemAt(*l, metrics, local); index >= 0)
                l->choose(index);
            return;
        }
        if (auto* v = dynamic_cast<win::ListView*>(&target)) {
            if (const int index = win::listViewItemAt(*v, metrics, local); index >= 0)
                v->choose(index);
            return;
        }
        if (auto* t = dynamic_cast<win::TabControl*>(&target)) {
            int x = 2;
            for (int i = 0; i < t->getItemCount(); ++i) {
                const int w = metrics.textWidth(t->getItemText(i), win::PaintFont{}) + 14;
                if (local.x >= x && local.x < x + w) {
                    t->choose(i);
                    return;
                }
                x += w;
            }
        }
    }

    void key(QKeyEvent* e, bool down) {
        Window* root = window();
        if (!root) return;
        if (backend_.dragging()) {
            if (down && e->key() == Qt::Key_Escape) backend_.dragCancel();
            return;
        }
        Window* target = Window::focus();
        bool inside = false;
        for (Window* w = target; w; w = w->parent())
            inside = inside || w == root;
        if (!inside) target = root;
        const win::WindowHandle h = target->handle();
        const int vk = vkOf(e->key());
        // Text copied in another program since the last key is what a
        // paste takes.
        if (down) backend_.importClipboard();
        win::UserInput in;
        in.shift = (e->modifiers() & Qt::ShiftModifier) != 0;
        in.control = (e->modifiers() & Qt::ControlModifier) != 0;
        // Key releases go to the module and change nothing on screen.
        bool toModule = false;
        if (vk != 0) {
            in.kind = win::InputKind::Key;
            in.key = vk;
            if (!down || !offer(*target, in)) {
                toModule = down;
                Window::dispatchInput({target, down ? win::WM_KEYDOWN : win::WM_KEYUP,
                                       static_cast<win::WPARAM>(vk), 0});
            }
        }
        const QString text = e->text();
        if (down && !text.isEmpty() && e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter &&
            e->key() != Qt::Key_Escape && e->key() != Qt::Key_Tab) {
            for (const QChar ch : text) {
                Window* still = Window::fromHandle(h);
                if (!still) break;
                in.kind = win::InputKind::Char;
                in.ch = static_cast<wchar_t>(ch.unicode());
                if (offer(*still, in)) continue;
                toModule = true;
                Window::dispatchInput({still, win::WM_CHAR, static_cast<win::WPARAM>(ch.unicode()), 0});
            }
        }
        settle(toModule);
    }

    // The Qt action for a drop effect: the proposed one when the effect
    // allows it.
    static Qt::DropAction actionOf(std::uint32_t effect, Qt::DropAction proposed) {
        if (effect & static_cast<std::uint32_t>(proposed)) return proposed;
        for (const Qt::DropAction a : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
            if (effect & static_cast<std::uint32_t>(a)) return a;
        return Qt::IgnoreAction;
    }

    void outsideMove(QDropEvent* e) {
        Window* root = window();
        const QPoint at = e->position().toPoint();
        win::Point local;
        Window* w = root ? windowAt(*root, {at.x(), at.y()}, local) : nullptr;
        win::KeyState keys = keyState(e->modifiers()) & ~win::MK_LBUTTON;
        if (e->buttons() & Qt::LeftButton) keys |= win::MK_LBUTTON;
        if (e->buttons() & Qt::RightButton) keys |= win::MK_RBUTTON;
        const std::uint32_t allowed = static_cast<std::uint32_t>(e->possibleActions()) & 7u;
        outsideTarget_.move(w, local, *outside_, keys, allowed);
        if (outsideTarget_.effect == win::DROPEFFECT_NONE) {
            e->setDropAction(Qt::IgnoreAction);
            e->ignore();
        } else {
            e->setDropAction(actionOf(outsideTarget_.effect, e->proposedAction()));
            e->accept();
        }
    }

    QtBackend& backend_;
    win::WindowHandle handle_;
    std::optional<win::DataObject> outside_; // what another program drags over the window
    DropOver outsideTarget_;
    win::WindowHandle captured_ = 0; // the window a press captured the pointer for
    std::unique_ptr<paint::RasterPainter> backing_;
};

namespace {

// A drag in progress.
struct DragRun {
    const win::DataObject* data = nullptr;
    std::uint32_t allowed = 0;
    QPoint start;
    bool moved = false; // beyond the drag distance
    DropOver target;
    std::uint32_t result = win::DROPEFFECT_NONE;
    bool ended = false;
    QEventLoop loop;
};

} // namespace

struct QtBackend::Impl {
    std::map<win::WindowHandle, QPointer<DialogWidget>> widgets;
    DragRun* drag = nullptr;
    int drags = 0;
    QPoint pressed;
    bool leftDown = false;
    bool cancelled = false; // a drag was cancelled with the button down

    // The deepest window under a screen point, in the newest dialog window
    // shown there.
    Window* windowAtGlobal(const QPoint& global, win::Point& local) const {
        for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
            DialogWidget* w = it->second.data();
            if (!w || !w->isVisible() || !w->window()) continue;
            const QPoint p = w->mapFromGlobal(global);
            if (!w->rect().contains(p)) continue;
            return windowAt(*w->window(), {p.x(), p.y()}, local);
        }
        return nullptr;
    }
    std::vector<std::pair<win::Dialog*, QEventLoop*>> loops;
    QTimer timer;
    QMetaObject::Connection clipboardWatch;
    bool copying = false; // the clipboards are being made alike
    std::uint64_t due = 0;

    DialogWidget* find(const Window& w) const {
        const auto it = widgets.find(w.handle());
        return it == widgets.end() ? nullptr : it->second.data();
    }
    // The widget of the dialog a window belongs to.
    DialogWidget* owner(Window& w) const {
        Window* top = &w;
        while (top->parent()) top = top->parent();
        return find(*top);
    }
};

QtBackend::QtBackend() : d_(std::make_unique<Impl>()) {
    win::addCustomInput(listScrollInput);
    d_->clipboardWatch = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                          [this] { importClipboard(); });
    importClipboard();
    d_->timer.setSingleShot(true);
    QObject::connect(&d_->timer, &QTimer::timeout, [this] {
        const std::uint64_t now = win::clockNow();
        win::advanceClock(d_->due > now ? d_->due - now : 0);
        wake();
        timersChanged();
    });
}

QtBackend::~QtBackend() {
    win::removeCustomInput(listScrollInput);
    QObject::disconnect(d_->clipboardWatch);
    for (auto& [handle, widget] : d_->widgets)
        delete widget.data();
}

QWidget* QtBackend::widgetOf(const win::Window& window) const {
    return d_->find(window);
}

void QtBackend::beginModal(win::Dialog&) {}
void QtBackend::endModal(win::Dialog&) {}

void QtBackend::runModal(win::Dialog& dialog) {
    DialogWidget* w = d_->find(dialog);
    if (!w) return;
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->activateWindow();
    QEventLoop loop;
    d_->loops.emplace_back(&dialog, &loop);
    const win::WindowHandle self = dialog.handle();
    while (Window::fromHandle(self) && dialog.isRunning())
        loop.exec();
    d_->loops.erase(std::remove_if(d_->loops.begin(), d_->loops.end(),
                                   [&](const auto& l) { return l.second == &loop; }),
                    d_->loops.end());
}

void QtBackend::wake() {
    for (auto& [dialog, loop] : d_->loops)
        if (!dialog->isCreated() || !dialog->isRunning()) loop->quit();
}

void QtBackend::messageBox(win::Window* parent, win::MessageBoxRecord& box) {
    const std::vector<int> buttons = win::messageBoxButtons(box.style);
    QMessageBox q(parent ? d_->owner(*parent) : nullptr);
    q.setWindowTitle(qs(box.caption));
    q.setText(qs(box.text));
    std::map<QAbstractButton*, int> answers;
    static const std::map<int, QMessageBox::StandardButton> kinds = {
        {win::IDOK, QMessageBox::Ok},         {win::IDCANCEL, QMessageBox::Cancel},
        {win::IDABORT, QMessageBox::Abort},   {win::IDRETRY, QMessageBox::Retry},
        {win::IDIGNORE, QMessageBox::Ignore}, {win::IDYES, QMessageBox::Yes},
        {win::IDNO, QMessageBox::No}};
    for (int id : buttons) {
        QAbstractButton* b = q.addButton(kinds.at(id));
        answers[b] = id;
        if (id == win::messageBoxDefault(box.style)) q.setDefaultButton(kinds.at(id));
    }
    q.exec();
    const auto it = answers.find(q.clickedButton());
    box.answer = it != answers.end() ? it->second
                 : std::count(buttons.begin(), buttons.end(), win::IDCANCEL) ? win::IDCANCEL
                                                                              : buttons.front();
}

win::FileDialogResult QtBackend::fileDialog(const win::FileDialogRequest& request) {
    QStringList filters;
    for (const auto& [description, pattern] : win::parseFileFilter(request.filter))
        filters << qs(description) + " (" + qs(pattern).replace(';', ' ') + ")";
    const QString filter = filters.join(";;");
    const QString start = qs(request.initialDir.empty() ? request.fileName
                                                        : request.initialDir + L"/" + request.fileName);
    QWidget* parent = request.parent ? d_->owner(*request.parent) : nullptr;
    const QString title = qs(request.title);
    win::FileDialogResult result;
    QStringList chosen;
    if (request.save)
        chosen << QFileDialog::getSaveFileName(parent, title, start, filter);
    else if (request.multiSelect)
        chosen = QFileDialog::getOpenFileNames(parent, title, start, filter);
    else
        chosen << QFileDialog::getOpenFileName(parent, title, start, filter);
    for (const QString& path : chosen)
        if (!path.isEmpty()) result.paths.push_back(path.toStdWString());
    result.ok = !result.paths.empty();
    return result;
}

namespace {

void fillMenu(QMenu& q, const win::Menu& menu) {
    for (const win::MenuItem& item : menu.items()) {
        if (item.separator) {
            q.addSeparator();
        } else if (item.submenu) {
            fillMenu(*q.addMenu(qs(item.text)), *item.submenu);
        } else {
            QAction* a = q.addAction(qs(item.text));
            a->setData(item.id);
            a->setEnabled(item.enabled);
            a->setCheckable(item.checked);
            a->setChecked(item.checked);
        }
    }
}

} // namespace

int QtBackend::popupMenu(const win::Menu& menu, win::Point screen, win::Window* owner) {
    QMenu q(owner ? d_->owner(*owner) : nullptr);
    fillMenu(q, menu);
    // Layer screen points count from the top-level window's position.
    QPoint at(screen.x, screen.y);
    if (DialogWidget* w = owner ? d_->owner(*owner) : nullptr) {
        const win::Rect top = owner->topLevel()->rect();
        at = w->mapToGlobal(QPoint(screen.x - top.left, screen.y - top.top));
    }
    QAction* chosen = q.exec(at);
    return chosen ? chosen->data().toInt() : 0;
}

std::uint32_t QtBackend::dragDrop(const win::DataObject& data, std::uint32_t allowedEffects) {
    // Only a press drags, one drag at a time.
    if (d_->drag || !d_->leftDown) return win::DROPEFFECT_NONE;
    DragRun run;
    run.data = &data;
    run.allowed = allowedEffects;
    run.start = d_->pressed;
    d_->drag = &run;
    ++d_->drags;
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    while (!run.ended)
        run.loop.exec();
    QApplication::restoreOverrideCursor();
    d_->drag = nullptr;
    return run.result;
}

bool QtBackend::pressedAt(const QPoint& global, bool down) {
    d_->leftDown = down;
    if (down) d_->pressed = global;
    // The release after a cancelled drag belongs to the drag.
    const bool mine = !down && d_->cancelled;
    d_->cancelled = false;
    return !mine;
}

bool QtBackend::dragging() const {
    // An ended drag takes no more input while its loop winds down.
    return d_->drag != nullptr && !d_->drag->ended;
}

int QtBackend::dragCount() const {
    return d_->drags;
}

void QtBackend::dragMove(const QPoint& global, win::KeyState keys) {
    DragRun& run = *d_->drag;
    if (!run.moved && (global - run.start).manhattanLength() < QApplication::startDragDistance())
        return;
    run.moved = true;
    win::Point local;
    Window* w = d_->windowAtGlobal(global, local);
    run.target.move(w, local, *run.data, keys, run.allowed);
    const std::uint32_t effect = run.target.effect;
    QApplication::changeOverrideCursor(effect == win::DROPEFFECT_NONE ? Qt::ForbiddenCursor
                                       : (effect & win::DROPEFFECT_MOVE) ? Qt::DragMoveCursor
                                                                          : Qt::DragCopyCursor);
}

void QtBackend::dragEnd(const QPoint& global, win::KeyState keys) {
    d_->leftDown = false;
    dragMove(global, keys);
    DragRun& run = *d_->drag;
    run.result = run.target.drop(*run.data, run.allowed);
    run.ended = true;
    run.loop.quit();
}

void QtBackend::dragCancel() {
    DragRun& run = *d_->drag;
    run.target.leave();
    run.result = win::DROPEFFECT_NONE;
    run.ended = true;
    d_->cancelled = d_->leftDown;
    run.loop.quit();
}

void QtBackend::windowEvent(win::Window& window, win::WindowEvent event) {
    using E = win::WindowEvent;
    const bool topDialog = window.parent() == nullptr && dynamic_cast<win::Dialog*>(&window);
    if (topDialog && event == E::Created) {
        d_->widgets[window.handle()] = new DialogWidget(*this, window);
        return;
    }
    if (topDialog && event == E::Destroying) {
        const auto it = d_->widgets.find(window.handle());
        if (it != d_->widgets.end()) {
            if (DialogWidget* w = it->second.data()) {
                w->forget();
                w->hide();
                w->deleteLater();
            }
            d_->widgets.erase(it);
        }
        return;
    }
    DialogWidget* w = d_->owner(window);
    if (!w) return;
    if (topDialog) {
        if (event == E::TextChanged) w->setWindowTitle(qs(window.text()));
        if (event == E::Moved) w->sync(window);
        if (event == E::StyleChanged) w->setVisible((window.style() & win::WS_VISIBLE) != 0);
        w->update();
        return;
    }
    w->invalidate(window);
}

void QtBackend::clipboardChanged() {
    if (d_->copying) return;
    const std::optional<std::wstring> text = win::getClipboardText();
    if (!text) return;
    d_->copying = true;
    QGuiApplication::clipboard()->setText(qs(*text));
    d_->copying = false;
}

void QtBackend::importClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (d_->copying || !data || !data->hasText()) return;
    const std::wstring text = data->text().toStdWString();
    if (win::getClipboardText() == text) return;
    d_->copying = true;
    win::setClipboardText(text);
    d_->copying = false;
}

void QtBackend::timersChanged() {
    const std::optional<std::uint64_t> next = win::nextTimerDue();
    if (!next) {
        d_->timer.stop();
        return;
    }
    d_->due = *next;
    const std::uint64_t now = win::clockNow();
    d_->timer.start(static_cast<int>(std::min<std::uint64_t>(*next > now ? *next - now : 0, 1u << 30)));
}

} // namespace qtback

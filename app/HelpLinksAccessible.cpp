#include "app/HelpLinksAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <vector>

namespace kolvira {

namespace {

// A link of the page: where its text starts and ends in the document.
struct LinkSpan {
    int start;
    int end;
    QString href;
};

// The links of `document` in reading order; a link's text split in
// fragments of different formats is one link.
std::vector<LinkSpan> LinksOf(const QTextDocument& document) {
    std::vector<LinkSpan> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!links.empty() && links.back().href == format.anchorHref() &&
                links.back().end == start)
                links.back().end = end;
            else
                links.push_back({start, end, format.anchorHref()});
        }
    }
    return links;
}

QTextCursor Span(QTextDocument* document, int start, int end) {
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    return cursor;
}

// Calls `then` after each Tab or Backtab `browser` takes: the browser moves
// from link to link on them, selecting the link, without a signal.
class AfterTab : public QObject {
public:
    AfterTab(QWidget* browser, std::function<void()> then)
        : QObject(browser), then_(std::move(then)) {
        browser->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                QMetaObject::invokeMethod(this, then_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

// The browser's text, its selection and caret, read from the document.
class AccessibleBrowser : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleBrowser(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::EditableText),
          tabs_(new AfterTab(browser, [this] { AnnounceSelectedLink(); })) {}
    ~AccessibleBrowser() override {
        delete tabs_;
        DropLinks();
    }

    QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()); }

    // The link children, made again whenever the page has changed.
    const std::vector<QAccessible::Id>& Links() const;
    LinkSpan SpanOf(int index) const { return spans_[index]; }
    // Whether the link children are those of the page the browser shows.
    bool LinksCurrent() const {
        const QTextDocument* document = Browser()->document();
        return document == document_ && document->revision() == revision_;
    }

    // The link the browser's selection is, where Tab has put it; -1 if none.
    // Leaves the link children as they are: a link asks it of its own state.
    int SelectedLink() const {
        const QTextCursor cursor = Browser()->textCursor();
        for (int i = 0; i < int(spans_.size()); ++i)
            if (spans_[i].start == cursor.selectionStart() &&
                spans_[i].end == cursor.selectionEnd())
                return i;
        return -1;
    }

    // Where `span` shows, in screen coordinates.
    QRect ScreenRect(int start, int end) const {
        QTextBrowser* browser = Browser();
        QTextDocument* document = browser->document();
        QRect rect = browser->cursorRect(Span(document, start, start));
        QTextCursor last(document);
        last.setPosition(end);
        rect = rect.united(browser->cursorRect(last));
        return QRect(browser->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        // The focus is on the selected link rather than on the text.
        s.focused = s.focused && SelectedLink() < 0;
        return s;
    }

    int childCount() const override { return int(Links().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto& links = Links();
        if (index < 0 || index >= int(links.size()))
            return nullptr;
        return QAccessible::accessibleInterface(links[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& links = Links();
        for (int i = 0; i < int(links.size()); ++i)
            if (QAccessible::accessibleInterface(links[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int count = childCount();
        for (int i = 0; i < count; ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const QTextCursor cursor = Browser()->textCursor();
        const bool any = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = any ? cursor.selectionStart() : 0;
        *endOffset = any ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection(); }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override {
        QTextCursor cursor = Browser()->textCursor();
        cursor.clearSelection();
        Browser()->setTextCursor(cursor);
    }
    void setSelection(int, int startOffset, int endOffset) override {
        Browser()->setTextCursor(Span(Browser()->document(), startOffset, endOffset));
    }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int startOffset, int endOffset) const override {
        return Span(Browser()->document(), startOffset, endOffset)
            .selectedText()
            .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
            .replace(QChar::LineSeparator, QLatin1Char('\n'));
    }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    int characterCount() const override { return Browser()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override { return ScreenRect(offset, offset + 1); }
    int offsetAtPoint(const QPoint& point) const override {
        QTextBrowser* browser = Browser();
        return browser->cursorForPosition(browser->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        QTextBrowser* browser = Browser();
        browser->setTextCursor(Span(browser->document(), startIndex, endIndex));
        browser->ensureCursorVisible();
    }
    // Lines as they show; the other boundaries do not depend on the layout.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override {
        if (boundaryType != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset,
                                                          endOffset);
        QTextCursor cursor(Browser()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        cursor.movePosition(QTextCursor::StartOfLine);
        *startOffset = cursor.position();
        cursor.movePosition(QTextCursor::EndOfLine);
        // The line's break, a paragraph's end or the space where it wraps,
        // goes with it, as with the other boundaries.
        const int end = cursor.position();
        const bool breaks =
            end < characterCount() &&
            (cursor.atBlockEnd() || Browser()->document()->characterAt(end).isSpace());
        *endOffset = end + int(breaks);
        return text(*startOffset, *endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override {
        if (boundaryType != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset,
                                                              endOffset);
        textAtOffset(offset, boundaryType, startOffset, endOffset);
        if (*startOffset == 0) {
            *endOffset = 0;
            return QString();
        }
        return textAtOffset(*startOffset - 1, boundaryType, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override {
        if (boundaryType != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset,
                                                             endOffset);
        textAtOffset(offset, boundaryType, startOffset, endOffset);
        if (*endOffset >= characterCount()) {
            *startOffset = *endOffset = characterCount();
            return QString();
        }
        return textAtOffset(*endOffset, boundaryType, startOffset, endOffset);
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    void AnnounceSelectedLink() {
        Links();
        const int selected = SelectedLink();
        if (selected < 0)
            return;
        QAccessibleEvent event(child(selected), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }

    void DropLinks() const {
        for (QAccessible::Id id : links_)
            QAccessible::deleteAccessibleInterface(id);
        links_.clear();
    }

    mutable QPointer<QTextDocument> document_;
    mutable int revision_ = -1;
    mutable std::vector<LinkSpan> spans_;
    mutable std::vector<QAccessible::Id> links_;
    QPointer<AfterTab> tabs_;
};

// One link of the page.
class AccessibleLink : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleLink(const AccessibleBrowser* browser, int index)
        : browser_(browser), index_(index) {}

    bool isValid() const override { return browser_->isValid() && browser_->LinksCurrent(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return browser_->window(); }
    QAccessibleInterface* parent() const override {
        return const_cast<AccessibleBrowser*>(browser_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Link; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        const LinkSpan span = browser_->SpanOf(index_);
        if (t == QAccessible::Name)
            return browser_->text(span.start, span.end).simplified();
        if (t == QAccessible::Value)
            return span.href;
        return QString();
    }

    QRect rect() const override {
        const LinkSpan span = browser_->SpanOf(index_);
        return browser_->ScreenRect(span.start, span.end);
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        QTextBrowser* browser = browser_->Browser();
        s.focusable = true;
        s.focused = browser->hasFocus() && browser_->SelectedLink() == index_;
        s.offscreen = !browser->viewport()->rect().intersects(
            QRect(browser->viewport()->mapFromGlobal(rect().topLeft()), rect().size()));
        s.invisible = !browser->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Selects the link as Tab does; pressing also follows it as Enter on a
    // selected link does, which the browser treats as a click.
    void doAction(const QString& actionName) override {
        QTextBrowser* browser = browser_->Browser();
        const LinkSpan span = browser_->SpanOf(index_);
        browser->setTextCursor(Span(browser->document(), span.start, span.end));
        if (actionName == setFocusAction()) {
            browser->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (actionName != pressAction())
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(browser, &press);
    }

private:
    const AccessibleBrowser* browser_;
    int index_;
};

const std::vector<QAccessible::Id>& AccessibleBrowser::Links() const {
    QTextDocument* document = Browser()->document();
    if (!LinksCurrent()) {
        DropLinks();
        document_ = document;
        revision_ = document->revision();
        spans_ = LinksOf(*document);
        for (int i = 0; i < int(spans_.size()); ++i)
            links_.push_back(QAccessible::registerAccessibleInterface(new AccessibleLink(this, i)));
    }
    return links_;
}

} // namespace

QAccessibleInterface* AccessibleLinkedText(const QString& className, QObject* object) {
    if (className != QLatin1String(QTextBrowser::staticMetaObject.className()))
        return nullptr;
    return new AccessibleBrowser(static_cast<QTextBrowser*>(object));
}

} // namespace kolvira

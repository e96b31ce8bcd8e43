#include "text_tail.h"

#include <QQmlEngine>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// Removes the first `count` of the document's `lines` lines in one edit.
void removeFirstLines(QTextDocument *doc, int count, int lines)
{
    if (count <= 0)
        return;
    if (count >= lines) {
        doc->clear();
        return;
    }
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, count);
    cursor.removeSelectedText();
}

// One output is one paragraph: its breaks become line separators. The
// document's own frame markers cannot come from outside.
QString asOneParagraph(QString text)
{
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u == '\n' || u == '\r' || u == QChar::ParagraphSeparator)
            c = QChar::LineSeparator;
        else if (u == 0xFDD0 || u == 0xFDD1)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

TextTail::TextTail(QObject *parent) : QObject(parent)
{
    m_flushTimer.setSingleShot(true);
    connect(&m_flushTimer, &QTimer::timeout, this, &TextTail::flushWhenPaused);
}

void TextTail::setDocument(QQuickTextDocument *document)
{
    if (m_document == document)
        return;
    m_document = document;
    // The history would keep every line that ever passed.
    m_lines = 0;
    if (QTextDocument *doc = textDocument()) {
        doc->setUndoRedoEnabled(false);
        m_lines = doc->isEmpty() ? 0 : doc->blockCount();
    }
    flush();
    Q_EMIT documentChanged();
}

void TextTail::setMaximumLines(int lines)
{
    if (m_maximumLines == lines)
        return;
    m_maximumLines = lines;
    flush();
    Q_EMIT maximumLinesChanged();
}

void TextTail::append(const QString &html) { addPending({html, QTextCharFormat(), true}); }

void TextTail::appendText(const QString &text, const QColor &color)
{
    QTextCharFormat format;
    if (color.isValid())
        format.setForeground(color);
    addPending({asOneParagraph(text), format, false});
}

void TextTail::clear()
{
    m_flushTimer.stop();
    m_pending.clear();
    m_pendingDropped = 0;
    if (QTextDocument *doc = textDocument())
        doc->clear();
    m_lines = 0;
    setDropped(0);
}

QTextDocument *TextTail::textDocument() const { return m_document ? m_document->textDocument() : nullptr; }

void TextTail::addPending(Line line)
{
    if (m_pending.empty()) {
        m_firstPending.start();
        m_flushTimer.start(frameMs);
    }
    m_lastPending.start();
    m_pending.push_back(std::move(line));
    dropPendingBeyondLimit();
}

void TextTail::flushWhenPaused()
{
    // Restarting the timer for every line would cost more than the line.
    const qint64 paused = m_lastPending.elapsed();
    const qint64 waited = m_firstPending.elapsed();
    if (paused >= frameMs || waited >= longestWaitMs)
        flush();
    else
        m_flushTimer.start(int(std::min(frameMs - paused, longestWaitMs - waited)));
}

void TextTail::dropPendingBeyondLimit()
{
    if (m_maximumLines <= 0)
        return;
    while (m_pending.size() > size_t(m_maximumLines)) {
        m_pending.pop_front();
        ++m_pendingDropped;
    }
}

void TextTail::flush()
{
    m_flushTimer.stop();
    QTextDocument *doc = textDocument();
    if (!doc)
        return;
    dropPendingBeyondLimit();
    int removed = 0;
    if (m_maximumLines > 0) {
        removed = std::clamp(m_lines + int(m_pending.size()) - m_maximumLines, 0, m_lines);
        // Its own edit: the lines below keep their layout.
        removeFirstLines(doc, removed, m_lines);
        m_lines -= removed;
    }
    if (!m_pending.empty()) {
        // A selection that reaches the end would take in every line that
        // comes after it: it is set back to what the operator chose.
        QObject *area = m_document->parent();
        const int selectionStart = area ? area->property("selectionStart").toInt() : 0;
        const int selectionEnd = area ? area->property("selectionEnd").toInt() : 0;
        QTextCursor cursor(doc);
        cursor.movePosition(QTextCursor::End);
        cursor.beginEditBlock();
        for (const Line &line : m_pending) {
            if (m_lines++ > 0)
                cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            if (line.rich)
                cursor.insertHtml(line.text);
            else
                cursor.insertText(line.text, line.format);
        }
        cursor.endEditBlock();
        m_pending.clear();
        if (selectionStart != selectionEnd && area->property("selectionEnd").toInt() != selectionEnd)
            QMetaObject::invokeMethod(area, "select", Q_ARG(int, selectionStart), Q_ARG(int, selectionEnd));
        Q_EMIT linesShown();
    }
    const int dropped = m_dropped + removed + m_pendingDropped;
    m_pendingDropped = 0;
    setDropped(dropped);
}

void TextTail::setDropped(int dropped)
{
    if (m_dropped == dropped)
        return;
    m_dropped = dropped;
    Q_EMIT droppedChanged();
}

void registerScreenTypes() { qmlRegisterType<TextTail>("tavell.screens", 1, 0, "TextTail"); }

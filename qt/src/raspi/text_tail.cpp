#include "text_tail.h"

#include <QQmlEngine>
#include <QTextCursor>
#include <QTextDocument>

TextTail::TextTail(QObject *parent) : QObject(parent) {}

void TextTail::setDocument(QQuickTextDocument *document)
{
    if (m_document == document)
        return;
    m_document = document;
    // The history would keep every line that ever passed.
    if (QTextDocument *doc = textDocument())
        doc->setUndoRedoEnabled(false);
    trim();
    Q_EMIT documentChanged();
}

void TextTail::setMaximumLines(int lines)
{
    if (m_maximumLines == lines)
        return;
    m_maximumLines = lines;
    trim();
    Q_EMIT maximumLinesChanged();
}

void TextTail::append(const QString &html)
{
    QTextDocument *doc = textDocument();
    if (!doc)
        return;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!doc->isEmpty())
        cursor.insertBlock();
    cursor.insertHtml(html);
    cursor.endEditBlock();
    trim();
}

void TextTail::clear()
{
    if (QTextDocument *doc = textDocument())
        doc->clear();
    setDropped(0);
}

QTextDocument *TextTail::textDocument() const { return m_document ? m_document->textDocument() : nullptr; }

void TextTail::trim()
{
    QTextDocument *doc = textDocument();
    if (!doc || m_maximumLines <= 0)
        return;
    const int excess = doc->blockCount() - m_maximumLines;
    if (excess <= 0)
        return;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, excess);
    cursor.removeSelectedText();
    setDropped(m_dropped + excess);
}

void TextTail::setDropped(int dropped)
{
    if (m_dropped == dropped)
        return;
    m_dropped = dropped;
    Q_EMIT droppedChanged();
}

void registerScreenTypes() { qmlRegisterType<TextTail>("tavell.screens", 1, 0, "TextTail"); }

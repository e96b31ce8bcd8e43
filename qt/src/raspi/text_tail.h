#pragma once
// Keeps a text area's document to its last lines, for output that keeps
// coming (the updates console): appending costs what the new text costs, the
// oldest lines leave the document, and the document keeps no undo history, so
// its memory stays bounded as well. GUI thread only.

#include <QObject>
#include <QPointer>
#include <QQuickTextDocument>

class QTextDocument;

class TextTail : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickTextDocument *document READ document WRITE setDocument NOTIFY documentChanged)
    Q_PROPERTY(int maximumLines READ maximumLines WRITE setMaximumLines NOTIFY maximumLinesChanged)
    Q_PROPERTY(int dropped READ dropped NOTIFY droppedChanged)

public:
    explicit TextTail(QObject *parent = nullptr);

    QQuickTextDocument *document() const { return m_document; }
    void setDocument(QQuickTextDocument *document);
    int maximumLines() const { return m_maximumLines; }
    void setMaximumLines(int lines);
    // Lines that left the document since it was last cleared.
    int dropped() const { return m_dropped; }

    // Adds rich text at the end, starting a new line; then the oldest lines
    // beyond maximumLines leave.
    Q_INVOKABLE void append(const QString &html);
    // Empties the document.
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void documentChanged();
    void maximumLinesChanged();
    void droppedChanged();

private:
    QTextDocument *textDocument() const;
    void trim();
    void setDropped(int dropped);

    QPointer<QQuickTextDocument> m_document;
    int m_maximumLines = 5000;
    int m_dropped = 0;
};

// The types the screens create themselves (module tavell.screens).
void registerScreenTypes();

#pragma once

#include <QObject>
#include <QTimer>

// The text caret blinks while the user works and rests, shown and still,
// after a while without a key or a click, as desktop text fields commonly do.
// A caret left blinking would wake the program twice a second for as long as
// the note is in front.
class CaretRest : public QObject {
public:
    explicit CaretRest(int restAfterMs, QObject* parent = nullptr);
    ~CaretRest() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rest();

    QTimer m_idle;
    int m_flashTime; // the desktop's own
    bool m_resting = false;
};

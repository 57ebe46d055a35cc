#pragma once

#include "core/find/FindMatch.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

class CPageView;
class CQuillboxView;
class QCheckBox;
class QLabel;
class QLineEdit;

// The find bar under the tabs: a text field, "Previous" and "Next", the
// match count and "Match case". It searches the tab in front as the text
// changes and follows the tabs: the tab that comes to the front is searched
// for the same text. A page's count is shown at once from its shown text;
// the engine, which takes seconds on a long page, is asked once typing
// pauses, and its answer, which highlights every match, is the one that stays.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(CQuillboxView& tabs, QWidget* parent);

    // Shows the bar with its text selected in the field, and searches: from
    // the current match, or (step) on to the next or previous one.
    void Open(quill::FindStep step = quill::FindStep::Refine);
    // Hides the bar; the tab takes the focus with its current match selected.
    void Close();
    // Opens the bar first when it is closed.
    void FindNext() { Step(quill::FindStep::Next); }
    void FindPrevious() { Step(quill::FindStep::Previous); }

signals:
    // The bar wants to be shown or hidden (it sits in the frame's dock).
    void ShownChanged(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(quill::FindStep step);
    void Find(quill::FindStep step);
    void FindInPage(CPageView& page, quill::FindStep step);
    // Sends the search typed last to the engine, if it still waits.
    void AskEngineNow();
    void AskEngine(quill::FindStep step);
    void OnEngineAnswer(quill::FindCount count);
    void ShowCount(quill::FindCount count);
    // The page that was searched last stops highlighting when another tab comes up.
    void EndPageFind();
    void OnTabChanged();

    CQuillboxView& m_tabs;
    QLineEdit* m_text;
    QLabel* m_count;
    QCheckBox* m_matchCase;
    bool m_open = false;
    QPointer<CPageView> m_searchedPage;
    // The searched page's matches in its shown text and the current one, so
    // that the count and the steps answer before the engine does.
    std::vector<quill::TextSpan> m_pageMatches;
    quill::TextSpan m_pageSelection;
    // Typing waits this long for the next key before the engine is asked.
    QTimer m_engineDelay;
    // Only the latest request's answer is shown.
    int m_request = 0;
};

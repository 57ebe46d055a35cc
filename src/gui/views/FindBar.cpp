#include "gui/views/FindBar.h"

#include "gui/views/CNotesView.h"
#include "gui/views/CPageView.h"
#include "gui/views/CQuillboxView.h"
#include "gui/views/NoteFind.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace {

PageEngine::FindStep PageStep(quill::FindStep step) {
    switch (step) {
    case quill::FindStep::Next:
        return PageEngine::FindStep::Next;
    case quill::FindStep::Previous:
        return PageEngine::FindStep::Previous;
    case quill::FindStep::Refine:
        break;
    }
    return PageEngine::FindStep::Afresh;
}

} // namespace

FindBar::FindBar(CQuillboxView& tabs, QWidget* parent)
    : QWidget(parent), m_tabs(tabs), m_text(new QLineEdit(this)), m_count(new QLabel(this)),
      m_matchCase(new QCheckBox(tr("Match &case"), this)) {
    setObjectName(QStringLiteral("findBar"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // one row, whatever the window
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setPlaceholderText(tr("Find"));
    m_text->setAccessibleName(tr("Find"));
    m_text->setClearButtonEnabled(true);
    m_text->setMinimumWidth(80);
    m_text->installEventFilter(this);
    m_count->setObjectName(QStringLiteral("findCount"));
    m_matchCase->setObjectName(QStringLiteral("findMatchCase"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_text, 1);
    // Arrows keep the bar narrow enough for the small window; the names and
    // keys are in the tips and read out by screen readers.
    auto button = [this, layout](Qt::ArrowType arrow, const QString& name, const QString& tip,
                                 const char* objectName, void (FindBar::*step)()) {
        auto* push = new QToolButton(this);
        push->setArrowType(arrow);
        push->setAccessibleName(name);
        push->setToolTip(tip);
        push->setObjectName(QLatin1String(objectName));
        push->setAutoRaise(true);
        connect(push, &QToolButton::clicked, this, step);
        layout->addWidget(push);
    };
    button(Qt::UpArrow, tr("Previous"), tr("Previous (Shift+Enter, Shift+F3)"), "findPrevious",
           &FindBar::FindPrevious);
    button(Qt::DownArrow, tr("Next"), tr("Next (Enter, F3)"), "findNext", &FindBar::FindNext);
    layout->addWidget(m_count);
    layout->addWidget(m_matchCase);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("findClose"));
    close->setText(QStringLiteral("\u2715"));
    close->setAccessibleName(tr("Close"));
    close->setToolTip(tr("Close (Escape)"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &FindBar::Close);
    layout->addWidget(close);

    m_engineDelay.setSingleShot(true);
    m_engineDelay.setInterval(150);
    connect(&m_engineDelay, &QTimer::timeout, this, [this] { AskEngine(quill::FindStep::Refine); });
    connect(m_text, &QLineEdit::textEdited, this, [this] { Find(quill::FindStep::Refine); });
    connect(m_matchCase, &QCheckBox::toggled, this, [this] { Find(quill::FindStep::Refine); });
    connect(&m_tabs, &CQuillboxView::TabChanged, this, &FindBar::OnTabChanged);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FindBar::Close);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
}

void FindBar::Open(quill::FindStep step) {
    m_open = true;
    emit ShownChanged(true);
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    Find(step);
}

void FindBar::Step(quill::FindStep step) {
    if (m_open) {
        Find(step);
    } else {
        Open(step);
    }
}

void FindBar::Close() {
    m_open = false;
    AskEngineNow(); // so that the match typed last is the one left selected
    EndPageFind();
    emit ShownChanged(false);
    if (QWidget* tab = m_tabs.currentWidget()) {
        tab->setFocus(Qt::ShortcutFocusReason);
    }
}

void FindBar::Find(quill::FindStep step) {
    if (!m_open) {
        return;
    }
    ++m_request; // an answer the engine still owes is out of date
    QWidget* tab = m_tabs.currentWidget();
    if (auto* notes = qobject_cast<CNotesView*>(tab)) {
        ShowCount(FindInNote(*notes, m_text->text(), m_matchCase->isChecked(), step));
        return;
    }
    if (auto* page = qobject_cast<CPageView*>(tab)) {
        FindInPage(*page, step);
    }
}

void FindBar::FindInPage(CPageView& page, quill::FindStep step) {
    if (m_searchedPage != &page) {
        EndPageFind();
        m_searchedPage = &page;
    }
    if (page.Browser() == nullptr) {
        m_engineDelay.stop();
        ShowCount({});
        return;
    }
    if (m_text->text().isEmpty()) {
        m_engineDelay.stop();
        m_pageMatches.clear();
        ShowCount({});
        AskEngine(step); // ends the engine's search
        return;
    }
    m_pageMatches = page.ShownMatches(m_text->text(), m_matchCase->isChecked());
    const auto picked = quill::PickMatch(m_pageMatches, m_pageSelection, step);
    if (picked) {
        m_pageSelection = m_pageMatches[*picked];
    }
    ShowCount({picked ? static_cast<int>(*picked) + 1 : 0, static_cast<int>(m_pageMatches.size())});
    if (step == quill::FindStep::Refine) {
        m_engineDelay.start();
    } else {
        // The engine steps from the match it was asked for last.
        AskEngineNow();
        AskEngine(step);
    }
}

void FindBar::AskEngineNow() {
    if (m_engineDelay.isActive()) {
        m_engineDelay.stop();
        AskEngine(quill::FindStep::Refine);
    }
}

void FindBar::AskEngine(quill::FindStep step) {
    if (!m_searchedPage) {
        return;
    }
    const int request = ++m_request;
    m_searchedPage->Find(m_text->text(), m_matchCase->isChecked(), PageStep(step),
                         [bar = QPointer(this), request](int active, int total) {
                             if (bar && request == bar->m_request) {
                                 bar->OnEngineAnswer({active, total});
                             }
                         });
}

void FindBar::OnEngineAnswer(quill::FindCount count) {
    // The engine also answers again after the page was drawn anew.
    if (m_searchedPage) {
        m_pageMatches = m_searchedPage->ShownMatches(m_text->text(), m_matchCase->isChecked());
    }
    // Where the engine's count differs it is the one to trust; the matches
    // counted here then no longer say where its current match is.
    if (count.active > 0 && count.total == static_cast<int>(m_pageMatches.size())) {
        m_pageSelection = m_pageMatches[static_cast<std::size_t>(count.active) - 1];
    }
    ShowCount(count);
}

void FindBar::ShowCount(quill::FindCount count) {
    if (m_text->text().isEmpty()) {
        m_count->clear();
    } else if (count.total == 0) {
        m_count->setText(tr("No matches"));
    } else {
        m_count->setText(tr("%1 of %2").arg(count.active).arg(count.total));
    }
}

void FindBar::EndPageFind() {
    m_engineDelay.stop();
    m_pageMatches.clear();
    m_pageSelection = {};
    if (m_searchedPage) {
        ++m_request;
        m_searchedPage->Find(QString(), false, PageEngine::FindStep::Afresh, {});
        m_searchedPage = nullptr;
    }
}

void FindBar::OnTabChanged() {
    if (!m_open) {
        return;
    }
    EndPageFind();
    Find(quill::FindStep::Refine);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier) {
                FindPrevious();
            } else {
                FindNext();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

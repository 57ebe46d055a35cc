// Finding in the Links page of 10,000 links through the page plug-in, as the
// program does it (its page scheme, its process model), for a search typed
// letter by letter, steps to the next match and a text that is nowhere: the
// time to the first answer the find bar shows (the count in the page's shown
// text) and to the engine's answer with its count. Needs a display.
//   quillmark_find_bench [runs]
#include "../SampleLinks.h"
#include "core/find/ShownText.h"
#include "core/pages/LinksPage.h"
#include "gui/app/ApplicationSetup.h"
#include "gui/views/PageEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPluginLoader>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Answer {
    double ms = -1;   // -1: no answer within the time allowed
    double cpuMs = 0; // the whole process's, the engine's threads included
    int total = 0;
};

// The engine runs in this process, so the process's CPU time is the search's
// cost whatever else the machine is doing.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Answer Ask(PageEngine& engine, QWidget& browser, const QString& text, PageEngine::FindStep step,
           int timeoutMs = 20000) {
    Answer answer;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    const double cpuStart = ProcessCpuMs();
    engine.Find(browser, text, false, step, [&](int, int total) {
        answer = {static_cast<double>(clock.nsecsElapsed()) / 1e6, ProcessCpuMs() - cpuStart,
                  total};
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return answer;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

template <typename Work> double MedianMs(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QPluginLoader loader(QStringLiteral(QUILLMARK_PAGES_PLUGIN));
    auto* engine = qobject_cast<PageEngine*>(loader.instance());
    if (engine == nullptr) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return 1;
    }
    const QByteArray page = QByteArray::fromStdString(quill::WriteLinksPage(SampleLinks(10000)));
    engine->SetPage(QStringLiteral("links"), QStringLiteral(QUILLMARK_DATA_DIR),
                    QStringLiteral("qmtemp.tmp"), page);
    const QUrl url(QStringLiteral("qm://links/qmtemp.tmp"));
    QWidget window;
    window.resize(360, 420);
    QWidget* browser = engine->CreateBrowser(&window, url, [](const QString&) {});
    browser->resize(window.size());
    window.show();
    engine->Navigate(*browser, url);
    // A search asked for while the page loads answers once it is in.
    const Answer first =
        Ask(*engine, *browser, QStringLiteral("more"), PageEngine::FindStep::Afresh, 300000);
    std::printf("The Links page of 10,000 links (%lld bytes) loaded and searched in %.0f ms\n",
                static_cast<long long>(page.size()), first.ms);
    if (first.total == 0) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }

    // The view takes the shown text from each page it draws.
    quill::ShownText shown;
    const double shownMs = MedianMs(runs, [&] { shown = quill::ShownText(page.toStdString()); });
    std::printf("The shown text of that page (%zu bytes) taken in %.1f ms median of %d, once "
                "per page drawn\n",
                shown.Text().size(), shownMs, runs);

    auto report = [&](const char* what, const QString& text, PageEngine::FindStep step) {
        std::vector<double> times;
        std::vector<double> cpuTimes;
        int total = 0;
        for (int run = 0; run < runs; ++run) {
            // Typing starts each time from an empty field.
            if (step == PageEngine::FindStep::Afresh) {
                engine->Find(*browser, QString(), false, step, {});
            }
            const Answer answer = Ask(*engine, *browser, text, step);
            times.push_back(answer.ms);
            cpuTimes.push_back(answer.cpuMs);
            total = answer.total;
        }
        // The find bar's first answer: the count in the shown text and the
        // current match among those matches.
        std::size_t counted = 0;
        const double firstMs = MedianMs(runs, [&] {
            const auto matches = shown.Matches(text.toStdString(), false);
            counted = matches.size();
            quill::PickMatch(matches, {}, quill::FindStep::Refine);
        });
        std::printf("Find in the Links page, 10,000 links, %s \"%s\": first answer (%zu "
                    "matches counted in the shown text) %.2f ms; the engine's answer (%d "
                    "matches) %.1f ms (wall; slowest %.1f), %.1f ms CPU; medians of %d\n",
                    what, qPrintable(text), counted, firstMs, total, Median(times),
                    *std::max_element(times.begin(), times.end()), Median(cpuTimes), runs);
    };
    const QString typed = QStringLiteral("number 4242");
    for (qsizetype length = 1; length <= typed.size(); ++length) {
        if (typed[length - 1] != QLatin1Char(' ')) {
            report("typing", typed.left(length), PageEngine::FindStep::Afresh);
        }
    }
    report("next match of", QStringLiteral("more"), PageEngine::FindStep::Next);
    report("nowhere:", QStringLiteral("zqxj"), PageEngine::FindStep::Afresh);
    return 0;
}

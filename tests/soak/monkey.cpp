// The monkey: the real program under a private Xvfb, driven by a seeded stream of random pointer
// and key events inside its window. Every 500 events it checks that the program is alive and
// answers (a page-tab click changes the picture) and records its resident memory. It fails on
// a crash, a hang, an exit status other than 0 after the close icon, and, with --max-growth, on
// memory that keeps growing after the warm-up.
//
// Memory is judged by where it settles at the end, the median of the last quarter's checkpoints,
// against the highest resident size seen up to the end of the warm-up: a page that holds a
// screen copy or a font first used at one checkpoint is not growth, memory that keeps rising is.
//
//   huebit_monkey [--events N] [--seed S] [--warmup N] [--max-growth MiB] [--csv FILE]
//                 [--shots DIR]
#include "e2e/e2e_harness.h"
#include "soak/window_ping.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace huebit::e2e;

namespace {

constexpr QSize Window(404, 507);
constexpr int CheckEvery = 500;
constexpr int EventsPerBatch = 25;
// Page tabs: "Подбор ", "Экран ", "Настройка ", "О программе ".
constexpr QPoint Tabs[] = {{35, 35}, {100, 35}, {176, 35}, {275, 35}};
constexpr QPoint CloseIcon(392, 11);

// Places the monkey leaves alone: the title strip's icons (close, minimise, shrink, the hover
// box and the program icon), the About page's links, which would start a browser or a mail
// program, and the arrows of the interface font size on the settings page, which would step the
// font beyond what the fixed window can show.
constexpr QRect Avoided[] = {
    {326, 0, 78, 23}, {0, 0, 30, 23}, {0, 160, 404, 30}, {326, 88, 60, 30}};

struct Options {
    int events = 20000;
    unsigned seed = 1;
    int warmup = -1;       // events before memory is compared; -1: a tenth of the run
    double maxGrowth = -1; // MiB; negative: memory is recorded, not judged
    QString csv;
    QString shots; // a screenshot of each checkpoint goes here
};

struct Sample {
    int events;
    double rssMiB;
    qint64 elapsedMs;
};

class Monkey {
public:
    Monkey(const HuebitProcess& app, unsigned seed) : m_app(app), m_random(seed) {}

    /// Appends one random event to `args` as xdotool commands.
    void addEvent(QStringList& args) {
        const int kind = pick({30, 24, 14, 4, 28});
        const QString w = m_app.windowId();
        if (kind == 0) {
            moveTo(args, w, point());
        } else if (kind == 1) {
            moveTo(args, w, point());
            args << QStringLiteral("click") << QString::number(button());
        } else if (kind == 2) {
            const QString b = QString::number(button());
            moveTo(args, w, point());
            args << QStringLiteral("mousedown") << b;
            for (int i = 0, n = 1 + int(m_random() % 4); i < n; ++i)
                moveTo(args, w, point());
            args << QStringLiteral("mouseup") << b;
        } else if (kind == 3) {
            moveTo(args, w, Tabs[m_random() % 4]);
            args << QStringLiteral("click") << QStringLiteral("1");
        } else {
            args << QStringLiteral("key") << QStringLiteral("--delay") << QStringLiteral("2")
                 << keys();
        }
    }

private:
    int pick(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = int(m_random() % unsigned(total));
        int i = 0;
        for (int w : weights) {
            if (r < w) return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }
    int button() { return 1 + pick({6, 1, 3}); }
    QPoint point() {
        for (;;) {
            const QPoint p(int(m_random() % unsigned(Window.width())),
                           int(m_random() % unsigned(Window.height())));
            bool avoided = false;
            for (const QRect& r : Avoided)
                avoided = avoided || r.contains(p);
            if (!avoided) return p;
        }
    }
    // A digit replaces the whole text it is typed into: typed after another digit it could
    // make a two-digit interface font size, too large for the fixed window to show its page
    // tabs, and the rest of the run would click at nothing.
    QStringList keys() {
        switch (pick({5, 5, 6, 6, 3, 5})) {
        case 0:
            return {QStringLiteral("Return")};
        case 1:
            return {QStringLiteral("Tab")};
        case 2:
            return {QStringLiteral("ctrl+a"), QString::number(m_random() % 10)};
        case 3:
            return {QString(QChar(u'a' + char16_t(m_random() % 26)))};
        case 4:
            return {QStringLiteral("ctrl+c")};
        default:
            return {QStringLiteral("Escape")};
        }
    }
    static void moveTo(QStringList& args, const QString& window, QPoint p) {
        args << QStringLiteral("mousemove") << QStringLiteral("--window") << window
             << QString::number(p.x()) << QString::number(p.y());
    }

    const HuebitProcess& m_app;
    std::mt19937 m_random;
};

std::optional<Options> parse(const QStringList& args) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString value = args.value(i + 1);
        bool ok = true;
        if (a == QLatin1String("--events"))
            o.events = value.toInt(&ok);
        else if (a == QLatin1String("--seed"))
            o.seed = value.toUInt(&ok);
        else if (a == QLatin1String("--warmup"))
            o.warmup = value.toInt(&ok);
        else if (a == QLatin1String("--max-growth"))
            o.maxGrowth = value.toDouble(&ok);
        else if (a == QLatin1String("--csv"))
            o.csv = value;
        else if (a == QLatin1String("--shots"))
            o.shots = value;
        else
            return std::nullopt;
        if (!ok) return std::nullopt;
        ++i;
    }
    if (o.warmup < 0) o.warmup = (o.events / 10 / CheckEvery) * CheckEvery;
    return o;
}

std::optional<double> residentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return std::nullopt;
}

QStringList xdotool(const XvfbDisplay& d, const QStringList& args, int timeoutMs = 30000) {
    const auto out = Run(d.name(), QStringLiteral("xdotool"), args, timeoutMs);
    return out ? QString::fromUtf8(*out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
               : QStringList{QStringLiteral("<failed>")};
}

// Back to the top-left corner, where a drag on the title strip may have taken the window.
void keepAtTopLeft(const XvfbDisplay& d, const HuebitProcess& app) {
    if (app.geometry().topLeft() != QPoint(0, 0)) {
        xdotool(d, {QStringLiteral("windowmove"), app.windowId(), QStringLiteral("0"),
                    QStringLiteral("0")});
    }
}

// The resident size once a screen copy in flight has gone: the least of a few readings.
std::optional<double> settledResidentMiB(qint64 pid) {
    std::optional<double> least;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) QThread::msleep(200);
        const auto rss = residentMiB(pid);
        if (rss && (!least || *rss < *least)) least = rss;
    }
    return least;
}

// Every page and settings sub-page once, the interface font list and the sample font dialog
// opened and closed, before the random events: what Qt builds the first time a page paints or a
// list or dialog opens then lands in the warm-up, wherever the random stream would first have
// reached it. The font list alone adds about 11 MiB for good: it draws every installed family
// in its own face, and Qt keeps those faces and their glyphs.
constexpr int FontFamiliesToStep = 80; // more than a plain desktop installs

void tour(const XvfbDisplay& d, HuebitProcess& app) {
    constexpr QPoint SubPages[] = {{30, 62}, {97, 62}, {177, 62}}; // "Окно", "Шаблоны", "Пример"
    constexpr QPoint InterfaceFontList(170, 103);
    constexpr QPoint SampleFontButton(80, 190);
    const auto openAndClose = [&app](QPoint at) {
        app.click(at);
        QThread::msleep(3000);
        app.key(QStringLiteral("Escape"));
        QThread::msleep(300);
    };
    for (const QPoint tab : Tabs) {
        app.click(tab);
        QThread::msleep(400);
    }
    // The first screen copies time each route and may leave a spare segment for the next copy:
    // built once, too, so it lands here. "Обновить " where the default font puts it.
    constexpr QPoint Refresh(2 + 240 + 51, 49 + 400 + 12);
    app.click(Tabs[1]);
    QThread::msleep(400);
    for (int i = 0; i < 6; ++i) {
        app.click(Refresh);
        QThread::msleep(400);
    }
    app.click(Tabs[2]);
    app.click(SubPages[0]);
    openAndClose(InterfaceFontList);
    // Every installed family once as the interface font, stepping down the closed list, which
    // keeps the focus: what the random stream would load the first time its letters pick a
    // family (the face, its glyphs, the fallback faces it needs for Cyrillic) is loaded here.
    for (int i = 0; i < FontFamiliesToStep; ++i) {
        app.key(QStringLiteral("Down"));
        QThread::msleep(150);
    }
    // Back to the desktop's usual face, where the page tabs are where the monkey clicks them.
    app.key(QStringLiteral("Home D e j a V u space S a n s"));
    QThread::msleep(300);
    for (const QPoint sub : SubPages) {
        app.click(sub);
        QThread::msleep(300);
    }
    openAndClose(SampleFontButton);
    keepAtTopLeft(d, app);
    app.click(Tabs[0]);
}

enum class Answer { PageTabs, PingOnly, None };

// A click on one page tab and then another must change what the window shows. When it does
// not (a huge interface font leaves no page tab where it was), the program must at least
// answer a window manager's ping from its event loop. `shot` gets the window as it answered.
Answer answers(const XvfbDisplay& d, HuebitProcess& app, int round, QImage& shot) {
    // No button held, no menu or dialog left open.
    xdotool(d, {QStringLiteral("mouseup"), QStringLiteral("1"), QStringLiteral("mouseup"),
                QStringLiteral("2"), QStringLiteral("mouseup"), QStringLiteral("3")});
    app.key(QStringLiteral("Escape Escape Escape"));
    keepAtTopLeft(d, app);
    app.click(Tabs[round % 4]);
    QThread::msleep(300);
    const QImage before = d.screenshot().copy(QRect(QPoint(0, 0), Window));
    app.click(Tabs[(round + 1) % 4]);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QThread::msleep(200);
        shot = d.screenshot().copy(QRect(QPoint(0, 0), Window));
        if (!shot.isNull() && shot != before) return Answer::PageTabs;
    }
    return AnswersPing(d.name(), app.windowId(), 20000) ? Answer::PingOnly : Answer::None;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qt(argc, argv);
    const auto options = parse(QCoreApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: huebit_monkey [--events N] [--seed S] [--warmup N] "
                             "[--max-growth MiB] [--csv FILE]\n");
        return 2;
    }
    const QStringList missing = MissingTools();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "missing tools: %s\n", qPrintable(missing.join(' ')));
        return 1;
    }
    XvfbDisplay display; // started with -noreset, so the root window keeps what was painted
    HuebitProcess app(display);
    if (!display.ok() || !app.start(60000) || !app.waitUntilOpaque(30000)) {
        std::fprintf(stderr, "monkey: the program did not start\n");
        return 1;
    }
    const qint64 pid =
        xdotool(display, {QStringLiteral("getwindowpid"), app.windowId()}).value(0).toLongLong();
    std::printf("monkey: %d events, seed %u, display %s, pid %lld\n", options->events,
                options->seed, qPrintable(display.name()), pid);
    std::printf("%8s %10s %9s\n", "events", "RSS MiB", "seconds");

    Monkey monkey(app, options->seed);
    QElapsedTimer clock;
    clock.start();
    QList<Sample> samples;
    auto record = [&](int events) {
        const auto rss = settledResidentMiB(pid);
        samples.append({events, rss.value_or(-1), clock.elapsed()});
        std::printf("%8d %10.1f %9.1f\n", events, rss.value_or(-1), clock.elapsed() / 1000.0);
        std::fflush(stdout);
    };
    record(0);
    tour(display, app);

    QString failure;
    int sent = 0;
    int pingOnly = 0; // checkpoints where only the ping showed the program answering
    while (sent < options->events && failure.isEmpty()) {
        QStringList args;
        const int batch = std::min(EventsPerBatch, options->events - sent);
        for (int i = 0; i < batch; ++i)
            monkey.addEvent(args);
        xdotool(display, args);
        sent += batch;
        keepAtTopLeft(display, app);
        if (sent % CheckEvery != 0 && sent != options->events) continue;
        QImage shot;
        const Answer answer =
            app.waitForExit(0) ? Answer::None : answers(display, app, sent / CheckEvery, shot);
        if (answer == Answer::PingOnly) ++pingOnly;
        if (app.waitForExit(0)) {
            failure = QStringLiteral("the program ended after %1 events").arg(sent);
        } else if (answer == Answer::None) {
            failure = QStringLiteral("the window stopped answering after %1 events").arg(sent);
            if (!options->shots.isEmpty())
                display.screenshot().save(options->shots + QStringLiteral("/not-answering.png"));
        } else {
            if (!options->shots.isEmpty())
                shot.save(QStringLiteral("%1/%2.png")
                              .arg(options->shots)
                              .arg(sent, 6, 10, QLatin1Char('0')));
            QThread::msleep(1000); // the page change's own work (a screen copy) settles first
            record(sent);
        }
    }

    if (failure.isEmpty()) {
        app.key(QStringLiteral("Escape Escape Escape"));
        keepAtTopLeft(display, app);
        app.click(CloseIcon);
        const auto code = app.waitForExit(30000);
        if (!code)
            failure = QStringLiteral("still running 30 s after the close icon");
        else if (*code != 0)
            failure = QStringLiteral("exit status %1 after the close icon").arg(*code);
    }

    if (!options->csv.isEmpty()) {
        QFile csv(options->csv);
        if (csv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            csv.write("events,rss_mib,elapsed_ms\n");
            for (const Sample& s : samples)
                csv.write(QStringLiteral("%1,%2,%3\n")
                              .arg(s.events)
                              .arg(s.rssMiB, 0, 'f', 2)
                              .arg(s.elapsedMs)
                              .toLatin1());
        }
    }

    double warm = -1, peak = -1;
    QList<double> lastQuarter;
    for (const Sample& s : samples) {
        if (s.events <= options->warmup)
            warm = std::max(warm, s.rssMiB);
        else
            peak = std::max(peak, s.rssMiB);
        if (s.events > sent - sent / 4) lastQuarter.append(s.rssMiB);
    }
    std::sort(lastQuarter.begin(), lastQuarter.end());
    const double settled = lastQuarter.isEmpty() ? -1 : lastQuarter[lastQuarter.size() / 2];
    const double growth = settled - warm;
    if (peak >= 0 && settled >= 0) {
        std::printf("memory: %.1f MiB at start, up to %.1f MiB in the warm-up of %d events, "
                    "up to %.1f MiB after it, %.1f MiB over the last quarter (median): "
                    "growth %.1f MiB\n",
                    samples.value(0).rssMiB, warm, options->warmup, peak, settled, growth);
    }
    if (failure.isEmpty() && options->maxGrowth >= 0 && settled >= 0 && growth >= options->maxGrowth) {
        failure = QStringLiteral("memory grew by %1 MiB after the warm-up (allowed: below %2)")
                      .arg(growth, 0, 'f', 1)
                      .arg(options->maxGrowth);
    }
    if (pingOnly > 0) {
        std::printf("%d of the checkpoints: the page tabs did not change the picture (a huge "
                    "interface font?) but the program answered the ping\n",
                    pingOnly);
    }
    if (!failure.isEmpty()) {
        std::printf("monkey: FAILED: %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("monkey: passed, %d events in %.0f s\n", sent, clock.elapsed() / 1000.0);
    return 0;
}

#pragma once
// A page whose controls are made when first needed: when it is about to show, when the program
// asks for them, or once the window has been painted. Until then the page is an empty widget in
// its page control, with its tab; the window's element walk counts the captions its controls
// will bring, so a language file's lines keep their places.

#include <QWidget>
#include <functional>
#include <vector>

class QTabWidget;

namespace huebit {

class LazyPage : public QWidget {
    Q_OBJECT
public:
    /// `captionCount`: the captioned elements the controls bring (SetPendingCaptionCount).
    /// `controls` makes them, unless a subclass makes them itself (makeControls).
    explicit LazyPage(int captionCount, std::function<void(LazyPage&)> controls = {},
                      QWidget* parent = nullptr);

    bool made() const { return m_made; }
    /// Makes the controls, once, then runs what waits for them in the order it was given.
    void make();
    /// Runs `then` once the controls are made: at once when they are.
    void whenMade(std::function<void()> then);

    /// Adds the page to `pages` under `label` without making it: Qt shows the first page of a
    /// page control as it is added, which is no showing on the screen. It is made when it shows.
    int AddTo(QTabWidget& pages, const QString& label);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    /// Makes the page's controls; runs once.
    virtual void makeControls();

private:
    std::function<void(LazyPage&)> m_controls;
    bool m_made = false;
    bool m_adding = false;
    std::vector<std::function<void()>> m_whenMade;
};

/// Every page under `window` whose controls are not made yet, made now: what needs the whole
/// window (a language template, a test walking every control) calls this first.
void MakeAllPages(QWidget* window);

} // namespace huebit

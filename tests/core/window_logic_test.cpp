#include "core/fade_step.h"
#include "core/ui_texts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace huebit;

namespace {

// Runs the fade from `start` until it stops; returns the opacities it set and whether it closed.
std::vector<int> runFade(FadeInput in, bool* closed = nullptr) {
    std::vector<int> seen;
    for (int tick = 0; tick < 100; ++tick) {
        const FadeResult r = FadeTick(in);
        if (r.close) {
            if (closed) *closed = true;
            return seen;
        }
        seen.push_back(r.opacity);
        in.opacity = r.opacity;
        if (r.stop) break;
    }
    return seen;
}

} // namespace

TEST(FadeTick, FadesInInElevenTicks) {
    const std::vector<int> seen = runFade({0, false, true, false, 128});
    const std::vector<int> want = {25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255};
    EXPECT_EQ(seen, want);
    EXPECT_TRUE(FadeTick({250, false, true, false, 128}).fadeInEnded);
    EXPECT_FALSE(FadeTick({225, false, true, false, 128}).fadeInEnded);
}

TEST(FadeTick, MiniWindowRestsAtItsTranslucency) {
    EXPECT_EQ(runFade({0, false, true, true, 128}).back(), 127);
    EXPECT_EQ(runFade({0, false, true, true, 0}).back(), 255);
    EXPECT_EQ(runFade({0, false, true, true, 255}), std::vector<int>{0});
}

TEST(FadeTick, FadesOutToFifteenThenCloses) {
    bool closed = false;
    const std::vector<int> seen = runFade({255, true, true, false, 128}, &closed);
    std::vector<int> want;
    for (int v = 230; v >= 30; v -= 25) want.push_back(v);
    want.push_back(15); // 5 is held at 15 for one tick
    EXPECT_EQ(seen, want);
    EXPECT_TRUE(closed);
}

TEST(FadeTick, WithoutTranslucencyOpaqueAtOnceAndClosesAtOnce) {
    const FadeResult in = FadeTick({0, false, false, false, 128});
    EXPECT_TRUE(in.opaqueAtOnce);
    EXPECT_FALSE(in.fadeInEnded); // no fade-in ever ends
    EXPECT_TRUE(FadeTick({255, true, false, false, 128}).close);
}

TEST(UiTexts, BuiltInTable) {
    UiTexts t;
    EXPECT_EQ(t[0], "Цвет текста");
    EXPECT_EQ(t[2], "Оттеночная палитра цветов RGB");
    EXPECT_EQ(t[15], "Для включения/отключения подсказки дважды щёлкните по строке");
    EXPECT_EQ(t[24], "Градиент "); // with its trailing blank; entry 33 has none
    EXPECT_EQ(t[33], "Градиент");
    EXPECT_EQ(t[38], "выберите файл перевода...");
    EXPECT_EQ(t[39], "Соответствующий серый");
    for (int i : {1, 23, 37}) EXPECT_EQ(t[i], "Не удалось установить цвет");
    for (int i = 0; i < 40; ++i) EXPECT_FALSE(t[i].isEmpty()) << i;
    for (int i = 40; i < UiTextCount; ++i) EXPECT_TRUE(t[i].isEmpty()) << i;
    t.set(7, "x");
    t.reset();
    EXPECT_EQ(t[7], "Цветовые оттенки");
}

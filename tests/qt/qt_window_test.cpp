// The window's build and looks on the real Qt window: sizes, places, flags, fonts, the boxes'
// behaviour, a very long pasted value, the fatal error box, and a screenshot of each page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "encoding/gbk_conversion.h"
#include "program_run.h"
#include "qt/edit_box.h"
#include "qt/qt_platform.h"
#include "qt_test_application.h"
#include "ui/window_definition.h"

namespace qttest {
namespace {

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

QWidget* widgetOf(qtfront::QtWindowing& windowing, std::string_view gbkName) {
  return windowing.controlWidget(*ui::findControl(definition(), gbkName));
}

TEST(QtWindow, TheClientAreaIsTheTabControlCentredByTheCoresFormula) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver&) {
    QWidget* window = windowing.mainWindow();
    EXPECT_EQ(window->size(), QSize(256, 176));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window->pos(), QPoint((screen.width() - 260) / 2, (screen.height() - 202) / 2));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(u8"Quellmar装备怪物外观计算器1.0"));
    Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(window->windowIcon().availableSizes().contains(QSize(48, 48)));
  });
}

TEST(QtWindow, EveryControlSitsAtItsRectangleInsideItsParent) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver&) {
    QWidget* tabs = windowing.controlWidget(ui::tabControlOf(definition()));
    EXPECT_EQ(tabs->parentWidget(), windowing.mainWindow());
    for (ui::ControlId id = 0; id < definition().controls.size(); ++id) {
      const ui::ControlDefinition& control = definition().controls[id];
      QWidget* widget = windowing.controlWidget(id);
      SCOPED_TRACE(encoding::gbkToUtf8(control.name));
      const ui::Rect& r = control.rect;
      EXPECT_EQ(widget->geometry(), QRect(r.left, r.top, r.width, r.height));
      if (!control.parent.empty()) {
        EXPECT_EQ(widget->parentWidget(), widgetOf(windowing, control.parent));
      }
    }
  });
}

TEST(QtWindow, FontStyleAndButtonsAreTheDesktopsWithTheGuiFont) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver&) {
    QFont font = windowing.mainWindow()->font();
    EXPECT_EQ(font.pixelSize(), 12);
    // No style is set in the test's environment: Qt's own choice on Linux is Fusion.
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    for (std::string_view name : {"按钮1", "按钮2"}) {
      auto* button = static_cast<QPushButton*>(widgetOf(windowing, name));
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
      EXPECT_EQ(button->text(), QString::fromUtf8(u8"计  算"));
    }
    auto* group = static_cast<QGroupBox*>(widgetOf(windowing, "分组框1"));
    EXPECT_EQ(group->title(), QString::fromUtf8(u8"说明"));
  });
}

// Every text fits its control: nothing is cut at any edge.
TEST(QtWindow, TextsAreUnclipped) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver&) {
    for (ui::ControlId id = 0; id < definition().controls.size(); ++id) {
      const ui::ControlDefinition& control = definition().controls[id];
      QWidget* widget = windowing.controlWidget(id);
      QFontMetrics metrics = widget->fontMetrics();
      SCOPED_TRACE(encoding::gbkToUtf8(control.name));
      if (control.kind == ui::ControlKind::label) {
        QString text = QString::fromStdU16String(encoding::gbkToUtf16(control.text));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        EXPECT_LE(metrics.lineSpacing() * lines.size(), widget->height());
        for (const QString& line : lines)
          EXPECT_LE(metrics.tightBoundingRect(line).right(), widget->width() - 1)
              << line.toStdString();
      }
      if (control.kind == ui::ControlKind::editBox) {
        QStyleOptionFrame option;
        option.initFrom(widget);
        option.rect = widget->rect();
        option.lineWidth =
            widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, widget);
        QRect contents =
            widget->style()->subElementRect(QStyle::SE_LineEditContents, &option, widget);
        EXPECT_EQ(widget->height(), 16);
        EXPECT_GE(contents.height(), metrics.height());
      }
    }
  });
}

// Whether any pixel of the box is in the selection's colour.
bool showsSelection(QWidget* box) {
  QImage shot = box->grab().toImage();
  QColor highlight = box->palette().color(QPalette::Active, QPalette::Highlight);
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixelColor(x, y) == highlight) return true;
  return false;
}

TEST(QtWindow, EditBoxesKeepTheirSelectionButShowItOnlyWithTheFocus) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver& driver) {
    auto* value = static_cast<qtfront::EditBox*>(widgetOf(windowing, "编辑框3"));
    driver.clickAt(value, value->rect().center());
    driver.type(QStringLiteral("12345"));
    value->setSelection(1, 3);
    EXPECT_TRUE(showsSelection(value));
    QWidget* button = widgetOf(windowing, "按钮2");
    driver.clickAt(button, button->rect().center());
    EXPECT_EQ(value->selectedText(), QStringLiteral("234"));
    EXPECT_FALSE(showsSelection(value));
    driver.key({.key = "Tab"});
    EXPECT_TRUE(showsSelection(value));
  });
}

TEST(QtWindow, A16MiBPastedValueGivesItsResultAndTheWindowStaysResponsive) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver& driver) {
    // 16 MiB of zeros before the number: only the number counts.
    QString pasted(16 * 1024 * 1024 - 4, QLatin1Char('0'));
    pasted += QStringLiteral("2400");
    QGuiApplication::clipboard()->setText(pasted);
    auto* value = static_cast<qtfront::EditBox*>(widgetOf(windowing, "编辑框3"));
    driver.clickAt(value, value->rect().center());
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(windowing.mainWindow()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    qint64 pasteMs = clock.restart();
    EXPECT_EQ(value->text().size(), pasted.size());

    QWidget* button = widgetOf(windowing, "按钮2");
    driver.clickAt(button, button->rect().center());
    EXPECT_EQ(driver.text(utf8(u8"编辑框4")), "2");
    qint64 calculateMs = clock.restart();

    // The window answers at once: the focus moves, pages change and come back.
    driver.key({.key = "Tab"});
    EXPECT_EQ(driver.focusedName(), utf8(u8"编辑框3"));
    driver.clickHeader(1);
    driver.clickHeader(0);
    EXPECT_EQ(driver.focusedName(), utf8(u8"编辑框4"));
    qint64 afterwardsMs = clock.restart();

    // The paste is the edit to undo: it goes, and a second undo brings it back.
    driver.clickAt(value, value->rect().center());
    QTest::keyClick(windowing.mainWindow()->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value->text(), QString());
    QTest::keyClick(windowing.mainWindow()->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value->text().size(), pasted.size());
    qint64 undoMs = clock.elapsed();
    std::printf(
        "16 MiB: paste %lld ms, calculation %lld ms, Tab and two pages %lld ms, undo and redo "
        "%lld ms\n",
        static_cast<long long>(pasteMs), static_cast<long long>(calculateMs),
        static_cast<long long>(afterwardsMs), static_cast<long long>(undoMs));
    EXPECT_LT(calculateMs, 2000);
    EXPECT_LT(afterwardsMs, 1000);
    EXPECT_LT(undoMs, 1000);
  });
}

TEST(QtWindow, TheFatalErrorBoxIsAnOwnerlessCriticalBoxWithOk) {
  qtfront::QtPlatform& platform = testApplication();
  bool inspected = false;
  QTimer::singleShot(50, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inspected = true;
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(u8"错误"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(u8"运行时出错!\n\n错误信息：载入启动窗口失败\n"));
    box->button(QMessageBox::Ok)->click();
  });
  platform.showFatalError("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_TRUE(inspected);
}

// For people to look at: build/<preset>/screenshots/page-N.png.
TEST(QtWindow, EveryPageIsPaintedAndSavedAsAScreenshot) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver& driver) {
    QDir().mkpath(QStringLiteral(APPEARANCE_SCREENSHOT_DIR));
    // With texts in the boxes, to show them unclipped too.
    for (auto [value, button] : {std::pair{"编辑框3", "按钮2"}, std::pair{"编辑框1", "按钮1"}}) {
      if (value == std::string_view("编辑框1")) driver.clickHeader(1);
      QWidget* box = widgetOf(windowing, value);
      driver.clickAt(box, box->rect().center());
      driver.type(QString::fromUtf8(u8"－２４０００"));
      QWidget* calculate = widgetOf(windowing, button);
      driver.clickAt(calculate, calculate->rect().center());
    }
    for (int page = 0; page < 3; ++page) {
      driver.clickHeader(page);
      QImage shot = windowing.mainWindow()->grab().toImage();
      EXPECT_EQ(shot.size(), QSize(256, 176) * shot.devicePixelRatio());
      QString file = QStringLiteral(APPEARANCE_SCREENSHOT_DIR "/offscreen-page-%1.png").arg(page);
      EXPECT_TRUE(shot.save(file)) << file.toStdString();
    }
  });
}

}  // namespace
}  // namespace qttest

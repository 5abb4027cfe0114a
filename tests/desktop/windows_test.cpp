// SPDX-License-Identifier: AGPL-3.0-or-later
// The program's windows at the screen's device pixel ratio. ctest runs this
// once at QT_SCALE_FACTOR=1 and once at 2; every run keeps its pictures in
// KELVRA_SCREENSHOT_ROOT/scale-N, and the scale-2 run compares its pictures
// with those of the scale-1 run: twice the pixels, the same look. (The
// screenshots target saves pictures for a reviewer.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <memory>

#include "charts/swiss_ephemeris.h"
#include "entry/entry_dialogs.h"
#include "entry/frm_atlas.h"
#include "entry/frm_match.h"
#include "builders.h"
#include "fake_entry_form.h"
#include "report/frm_report.h"
#include "report/frm_why.h"
#include "report/mdi_form1.h"
#include "shell/about.h"
#include "shell/message.h"
#include "shell/product.h"
#include "program/program.h"
#include "shell/shutdown.h"
#include "shell/twips.h"

namespace kelvra {
namespace {

int Scale() { return qRound(qApp->devicePixelRatio()); }

QString ScreenshotFile(int scale, const QString& name) {
  return QStringLiteral(KELVRA_SCREENSHOT_ROOT "/scale-%1/%2.png").arg(scale).arg(name);
}

// The input controls under `window` in the accessibility tree that a screen
// reader could announce only by their kind.
QStringList UnnamedInputs(QWidget* window) {
  QStringList unnamed;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    if (!node) return;
    const QAccessible::Role role = node->role();
    QWidget* widget = qobject_cast<QWidget*>(node->object());
    const QString name = node->text(QAccessible::Name);
    const bool input = role == QAccessible::EditableText || role == QAccessible::ComboBox ||
                       role == QAccessible::RadioButton || role == QAccessible::CheckBox ||
                       role == QAccessible::PushButton || role == QAccessible::SpinBox || role == QAccessible::Slider;
    if (input && name.trimmed().isEmpty()) unnamed << (widget ? widget->objectName() : QStringLiteral("?"));
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
  };
  walk(QAccessible::queryAccessibleInterface(window));
  return unnamed;
}

// What the tests look at in one window, taken while it was open: the entry
// form is gone once the report is filled.
struct Grab {
  QString name;
  QPointer<QWidget> window;
  QSize size;
  QPixmap pixmap;
  QIcon icon;
  QStringList unnamedInputs;
  QRect shown;      ///< on the screen: a window's frame, a page's visible part
  QRect available;  ///< the screen's available geometry
  std::vector<std::pair<QString, QRect>> buttons;  ///< the visible ones, as far as they show on the screen
};

// The part of `widget` that shows, on the screen.
QRect ShownOnScreen(const QWidget* widget) {
  if (widget->isWindow()) return widget->frameGeometry();
  const QRect visible = widget->visibleRegion().boundingRect();
  return QRect(widget->mapToGlobal(visible.topLeft()), visible.size());
}

Grab Take(const QString& name, QWidget* window) {
  Grab grab{name, window, window->size(), window->grab(), window->windowIcon(), UnnamedInputs(window),
            ShownOnScreen(window), window->screen()->availableGeometry(), {}};
  for (const QPushButton* button : window->findChildren<QPushButton*>()) {
    if (!button->isVisibleTo(window)) continue;
    // A button outside its parent is clipped away whatever the screen.
    const QRect whole(button->mapToGlobal(QPoint(0, 0)), button->size());
    const QRect parent(button->parentWidget()->mapToGlobal(QPoint(0, 0)), button->parentWidget()->size());
    grab.buttons.emplace_back(button->objectName(), parent.contains(whole) ? whole : QRect());
  }
  return grab;
}

// The entry form filled in, with the UT option off and on, the atlas window,
// then the results window with its report after the analysis, the
// explanation of the result, and an About box: every window a user sees but
// the browser.
class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    IdentifyApplication();
    program_ = std::make_unique<Program>(ephemeris_);
    program_->showEntryForm();
    frmMatch* form = program_->entryWindow();
    form->setEntries(Person::Male, testing::MakeEntries({.name = "Arthur", .day = 13, .month = 7, .year = 1985,
                                                         .city = "London", .state = "England",
                                                         .country = "United Kingdom"}));
    form->setEntries(Person::Female, testing::MakeEntries({.name = "Guinevere", .day = 2, .month = 11, .year = 1950,
                                                           .lat = "S", .city = "Sydney", .state = "New South Wales",
                                                           .country = "Australia"}));
    QCoreApplication::processEvents();
  }

  void TearDown() override {
    about_.reset();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  /// Grabs the entry form while it is open, then runs the analysis and opens
  /// the explanation and the About box; returns every window with its
  /// screenshot name.
  std::vector<Grab> GrabAll() {
    std::vector<Grab> grabs;
    frmMatch* form = program_->entryWindow();
    grabs.push_back(Take(QStringLiteral("entry-form"), form));
    auto* option = form->findChild<QCheckBox*>(QStringLiteral("chkTrueUt"));
    option->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !form->findChild<QLabel*>(QStringLiteral("lblFZone"))->text().contains("looking"); }, 10000));
    grabs.push_back(Take(QStringLiteral("entry-form-true-ut"), form));
    form->findChild<QPushButton*>(QStringLiteral("cmdMAtlas"))->click();
    if (auto* atlas = form->findChild<frmAtlas*>()) {
      QTest::keyClicks(atlas->findChild<QLineEdit*>(QStringLiteral("txtSearch")), QStringLiteral("Tromso"));
      EXPECT_TRUE(QTest::qWaitFor([&] { return !atlas->search().pending(); }, 10000));
      QCoreApplication::processEvents();
      grabs.push_back(Take(QStringLiteral("atlas-window"), atlas));
      atlas->reject();
    } else {
      ADD_FAILURE() << "no atlas window";
    }
    {
      const ScopedZonePickFunction pick([&](QWidget* parent, const ZoneQuestion& question) {
        ZonePicker picker(question, QDateTime::currentDateTimeUtc(), parent);
        picker.show();
        QCoreApplication::processEvents();
        grabs.push_back(Take(QStringLiteral("zone-picker"), &picker));
        return std::optional<QByteArray>();
      });
      form->findChild<QPushButton*>(QStringLiteral("cmdMZone"))->click();
    }
    option->click();  // the report below is the one without birth time rows
    program_->entryWindow()->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    MDIForm1* results = program_->resultsWindow();
    if (!results) {
      ADD_FAILURE() << "no results window";
      return grabs;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return results->report() != nullptr; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return program_->entryForm() == nullptr; }, 5000));
    QCoreApplication::processEvents();
    grabs.push_back(Take(QStringLiteral("results-window"), results));
    if (results->report()) grabs.push_back(Take(QStringLiteral("report-page"), results->report()));
    results->findChild<QPushButton*>(QStringLiteral("cmdWhy"))->click();
    QCoreApplication::processEvents();
    if (frmWhy* why = program_->whyWindow()) {
      grabs.push_back(Take(QStringLiteral("why-window"), why));
      program_->showWhyWindow(WhyTab::Chart);
      QCoreApplication::processEvents();
      grabs.push_back(Take(QStringLiteral("why-window-chart"), why));
    } else {
      ADD_FAILURE() << "no why window";
    }
    about_ = std::make_unique<frmAbout>(nullptr, ProgramCredits());
    about_->show();
    QCoreApplication::processEvents();
    grabs.push_back(Take(QStringLiteral("about-box"), about_.get()));
    return grabs;
  }

  QStringList messages;

 private:
  SwissEphemeris ephemeris_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<frmAbout> about_;
  ScopedMessageFunction messageStub_{[this](QWidget*, const QString& text) { messages << text; }};
  ScopedExitFunction exitStub_{[](int) {}};
};

// Where two pictures of one window differ most: both are blurred to a quarter
// of the scale-1 size, which evens out how text is hinted and anti-aliased at
// each scale, then compared in tiles of 16 by 16 logical pixels. A block of
// text or a control that moved by two pixels or more stands out in its tile
// where a mean over the whole picture would hide it.
struct TileDifference {
  double worst = 0;  ///< mean difference of a colour channel, 0 to 255
  QPoint where;      ///< the tile's corner, in scale-1 pixels
};

TileDifference WorstTile(const QImage& base, const QImage& scaled) {
  constexpr int kBlur = 4, kTile = 16 / kBlur;
  const QSize size = base.size() / kBlur;
  auto blur = [&](const QImage& image) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
  };
  const QImage a = blur(base), b = blur(scaled);
  TileDifference result;
  for (int top = 0; top < a.height(); top += kTile) {
    for (int left = 0; left < a.width(); left += kTile) {
      long sum = 0, count = 0;
      for (int y = top; y < qMin(top + kTile, a.height()); ++y) {
        for (int x = left; x < qMin(left + kTile, a.width()); ++x) {
          const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
          sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
          count += 3;
        }
      }
      const double mean = double(sum) / double(count);
      if (mean > result.worst) result = {mean, QPoint(left, top) * kBlur};
    }
  }
  return result;
}

TEST_F(Windows, KeepTheirProportionsAtTheScreensPixelRatio) {
  const int scale = Scale();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(ScreenshotFile(scale, QStringLiteral("x"))).path()));
  const auto grabs = GrabAll();
  ASSERT_EQ(grabs.size(), 9u);
  for (const Grab& shot : grabs) {
    SCOPED_TRACE(shot.name.toStdString());
    const QImage image = shot.pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), shot.size * scale);
    EXPECT_TRUE(image.save(ScreenshotFile(scale, shot.name)));
    if (scale == 1) continue;
    const QImage base(ScreenshotFile(1, shot.name));
    if (base.isNull()) {
      ADD_FAILURE() << "no scale-1 screenshot to compare with: " << ScreenshotFile(1, shot.name).toStdString();
      continue;
    }
    ASSERT_EQ(image.size(), base.size() * scale);
    // Measured: hinting alone stays below 15; half the window two logical
    // pixels lower gives 30 and more.
    const TileDifference difference = WorstTile(base, image);
    RecordProperty(shot.name.toStdString() + "_worst_tile", qRound(difference.worst));
    EXPECT_LT(difference.worst, 25.0) << "around scale-1 pixel " << difference.where.x() << ","
                                      << difference.where.y();
  }
}

TEST_F(Windows, PicturesUseEveryScreenPixel) {
  const auto grabs = GrabAll();
  const struct {
    const char* window;
    const char* picture;
  } pictures[] = {{"about-box", "picIcon"}, {"report-page", "Picture1"}};
  for (const auto& [window, picture] : pictures) {
    SCOPED_TRACE(picture);
    const char* name = window;  // a structured binding is not captured by every compiler
    auto shot = std::find_if(grabs.begin(), grabs.end(), [name](const Grab& grab) { return grab.name == name; });
    ASSERT_NE(shot, grabs.end());
    ASSERT_TRUE(shot->window);
    auto* label = shot->window->findChild<QLabel*>(QString::fromLatin1(picture));
    ASSERT_NE(label, nullptr);
    const QPixmap pixmap = label->pixmap();
    EXPECT_EQ(pixmap.devicePixelRatio(), qApp->devicePixelRatio());
    EXPECT_EQ(pixmap.size(), QSize(Twips(570), Twips(570)) * Scale());
  }
}

TEST_F(Windows, ShowTheProductIcon) {
  for (const Grab& shot : GrabAll()) {
    SCOPED_TRACE(shot.name.toStdString());
    // Offered to the window system: the small sizes only.
    EXPECT_EQ(shot.icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    // Asked for, every installed size is drawn from its own file.
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
      EXPECT_EQ(shot.icon.pixmap(QSize(side, side), 1.0).size(), QSize(side, side)) << side;
    }
  }
}

// On a small screen (640 x 512 at scale 2) every window, the page as the
// results window shows it, and every button lie inside the screen's available
// geometry; the page scrolls both ways to its left edge.
TEST_F(Windows, OpenInsideTheScreen) {
  const auto grabs = GrabAll();
  ASSERT_EQ(grabs.size(), 9u);
  QStringList seen;
  for (const Grab& shot : grabs) {
    SCOPED_TRACE(shot.name.toStdString());
    auto text = [](const QRect& r) {
      return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    };
    EXPECT_FALSE(shot.shown.isEmpty());
    EXPECT_TRUE(shot.available.contains(shot.shown)) << text(shot.shown) << " on " << text(shot.available);
    for (const auto& [button, where] : shot.buttons) {
      EXPECT_TRUE(!where.isEmpty() && shot.available.contains(where)) << button.toStdString() << " at " << text(where);
      seen << shot.name + QLatin1Char('/') + button;
    }
  }
  for (const char* button : {"results-window/cmdBack", "results-window/cmdExit", "results-window/cmdWhy",
                             "results-window/cmdPrint", "why-window/cmdClose", "why-window/cmdSave",
                             "why-window-chart/cmdSaveChart", "why-window-chart/cmdPreview"})
    EXPECT_TRUE(seen.contains(QLatin1String(button))) << button;
  auto results = std::find_if(grabs.begin(), grabs.end(), [](const Grab& g) { return g.name == "results-window"; });
  ASSERT_NE(results, grabs.end());
  ASSERT_TRUE(results->window);
  auto* area = qobject_cast<MDIForm1*>(results->window.data())->mdiArea();
  auto* page = qobject_cast<MDIForm1*>(results->window.data())->report();
  ASSERT_TRUE(page);
  const QWidget* view = area->viewport();
  EXPECT_GE(page->parentWidget()->mapTo(view, QPoint(0, 0)).x(), 0);  // its left edge shows
  EXPECT_GE(area->horizontalScrollBar()->maximum(), page->width() - view->width());
  EXPECT_GE(area->verticalScrollBar()->maximum() + view->height(), page->height());
}

// Every control a user can work is announced by a name, not only by its kind.
TEST_F(Windows, NameEveryInputForScreenReaders) {
  for (const Grab& shot : GrabAll()) {
    EXPECT_TRUE(shot.unnamedInputs.isEmpty()) << shot.name.toStdString() << ": "
                                              << shot.unnamedInputs.join(", ").toStdString();
  }
}

}  // namespace
}  // namespace kelvra

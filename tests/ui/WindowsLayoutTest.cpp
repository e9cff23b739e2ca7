// The designed windows as built on Qt: every control of the tables in its parent with its
// caption, the keyboard order, a few rows against the designers' values, and the drawing.

#include <gmock/gmock.h>

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QTimer>

#include "tests/ui/support/WindowRig.h"
#include "ui/forms/Ajuda.h"
#include "ui/forms/FrmQuendal.h"
#include "ui/forms/FrmSobre.h"
#include "ui/qt/platform/QtDesktop.h"
#include "ui/qt/widgets/AnimatedImage.h"
#include "ui/qt/widgets/PictureButton.h"

namespace quendal::test {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

template <typename T = QWidget>
T& Named(QWidget& window, std::string_view name) {
  return Child<T>(window, std::string(name).c_str());
}

// A label's, button's or text box's text, or a group box's title.
QString CaptionOf(const QWidget& widget) {
  return widget.property("text").toString() + widget.property("title").toString() +
         widget.property("plainText").toString();
}

// Every control of the table inside its parent with its caption; shown, the focus starts
// on the first control that takes it, and Tab follows the designed order round.
void ExpectBuiltFrom(QWidget& window, const forms::Form& form) {
  EXPECT_EQ(window.objectName() + window.windowTitle(), Utf8(form.name) + Utf8(form.caption));
  EXPECT_EQ(window.size(), QSize(form.width, form.height) / 15);
  for (const forms::Control& control : form.controls) {
    QWidget& widget = Named(window, control.name);
    EXPECT_EQ(widget.parentWidget()->objectName(), Utf8(control.parent)) << control.name;
    EXPECT_EQ(CaptionOf(widget), Utf8(control.caption).replace("\r\n", "\n")) << control.name;
  }
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const std::vector<std::string_view> order = forms::FocusOrder(form);
  for (std::string_view name : order) {
    EXPECT_EQ(QApplication::focusWidget(), &Named(window, name)) << name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(QApplication::focusWidget(), &Named(window, order.front())) << "round to the first";
}

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() { QDesktopServices::setUrlHandler("https", this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
  Q_INVOKABLE void Open(const QUrl& url) { opened.push_back(url); }
  QList<QUrl> opened;
};

TEST(MainWindow, isBuiltFromItsTableAndDrawnInItsColoursItsDecorationsMovingWhileShown) {
  WindowRig rig;
  EXPECT_TRUE(rig.window->windowFlags() & Qt::WindowMinimizeButtonHint);
  // A row of each kind, as designed (pixels at 96 dpi); in a group box, not in its blue.
  const std::tuple<const char*, QRect, double, QColor> rows[] = {
      {"Label4", {16, 408, 353, 41}, 12, QColor(192, 0, 0)},
      {"Check1", {16, 24, 137, 25}, 9.75, Qt::black},
      {"Text1", {144, 64, 41, 25}, 12, Qt::black},
      {"Command4", {336, 320, 65, 57}, 8.25, QColor(255, 192, 192)},
  };
  for (const auto& [name, place, points, colour] : rows) {
    QWidget& control = rig.Find(name);
    EXPECT_EQ(control.geometry(), place) << name;
    EXPECT_TRUE(control.font().bold() && control.font().pointSizeF() == points) << name;
    auto* button = qobject_cast<PictureButton*>(&control);
    EXPECT_EQ(button ? button->Background() : control.palette().color(QPalette::Text), colour);
  }
  // The serif title grows rightwards to show all its words, clear of the clock.
  QWidget& title = rig.Find("Label1");
  EXPECT_GE(title.width(), title.fontMetrics().horizontalAdvance(CaptionOf(title)));
  EXPECT_LT(title.geometry().right(), rig.Find("Label2").x());
  // Painted: band, clock panel, buttons' faces, the lights green circles (not boxes) at first.
  EXPECT_EQ(QColor(rig.Find("Label9").grab().toImage().pixel(2, 2)), QColor(Qt::white));
  EXPECT_EQ(QColor(rig.Find("Label2").grab().toImage().pixel(5, 5)),
            rig.window->palette().color(QPalette::ButtonText));
  for (PictureButton* button : rig.window->findChildren<PictureButton*>()) {
    const QImage face = button->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(face.width() / 2, face.height() - 6)), button->Background());
  }
  for (const char* name : {"Shape1", "Shape2"}) {
    const QImage light = rig.Find(name).grab().toImage();
    EXPECT_EQ(QColor(light.pixel(light.width() / 2, light.height() / 2)), QColor(0, 255, 0));
    EXPECT_NE(QColor(light.pixel((light.width() - light.height()) / 2 + 1, 1)), QColor(0, 255, 0));
  }
  ExpectBuiltFrom(*rig.window, forms::kFrmQuendal);
  for (const char* name : {"AniGIF2", "AniGIF3"}) {
    auto& image = rig.Find<AnimatedImage>(name);
    EXPECT_TRUE(QTest::qWaitFor([&] { return image.CurrentFrame() >= 2; }, 2000)) << name;
    rig.window->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !image.Running(); }, 2000)) << name << " minimised";
    rig.window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return image.Running(); }, 2000)) << name << " shown again";
  }
}

TEST(AboutAndHelp, showModalFromTheDesktopBuiltFromTheirTablesAndTheirButtonsWork) {
  UrlCatcher catcher;
  QtDesktop desktop([] {});
  const auto whenShown = [](const forms::Form& form, std::span<const forms::DialogButton> buttons) {
    QTimer::singleShot(50, [&form, buttons] {
      QWidget& modal = *QApplication::activeModalWidget();
      ExpectBuiltFrom(modal, form);
      for (const auto& button : buttons) Named<QAbstractButton>(modal, button.control).click();
      EXPECT_FALSE(modal.isVisible()) << "closed by its button";
      modal.close();  // so that a failure does not hang the test
    });
  };
  whenShown(forms::kFrmSobre, forms::kFrmSobreButtons);
  desktop.ShowAbout();
  whenShown(forms::kAjuda, forms::kAjudaButtons);
  desktop.ShowHelp();
  EXPECT_THAT(catcher.opened, testing::ElementsAre(QUrl(Utf8(forms::kMakerPage))));
}

}  // namespace
}  // namespace quendal::test

#include "WindowsLayoutTest.moc"

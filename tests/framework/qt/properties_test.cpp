#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "qt_fixture.h"

namespace qttest {
namespace {

using Properties = QtTest;

TEST_F(Properties, LabelTextLinesAlignmentColourAndFont) {
  auto window = ShowWindow();
  fw::Label& label = Add<fw::Label>(*window, "StaticText1", 10, 10, 200, 60);
  auto* widget = qobject_cast<QLabel*>(WidgetOf(label));
  ASSERT_NE(widget, nullptr);

  // Design texts break lines with CR, texts built at run time with the platform's line end.
  label.SetText("一行目\r二行目");
  EXPECT_EQ(widget->text(), QString::fromUtf8("一行目\n二行目"));
  label.SetText("a" + fw::EndOfLine() + "b\r\nc");
  EXPECT_EQ(widget->text(), QStringLiteral("a\nb\nc"));
  EXPECT_EQ(widget->textFormat(), Qt::PlainText);

  label.SetTextAlign(1);
  EXPECT_EQ(widget->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  label.SetTextAlign(2);
  EXPECT_EQ(widget->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  label.SetTextAlign(0);
  EXPECT_EQ(widget->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

  label.SetTextColor(fw::RGB(0, 0, 255));
  EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
  label.SetMultiLine(true);
  EXPECT_TRUE(widget->wordWrap());
  label.SetBold(true);
  EXPECT_TRUE(widget->font().bold());
  EXPECT_EQ(widget->font().family(), QStringLiteral("IPAGothic"));
}

TEST_F(Properties, PushButtonCaptionEmphasisEnabledAndVisible) {
  auto window = ShowWindow();
  fw::PushButton& button = Add<fw::PushButton>(*window, "PushButton1", 10, 10, 168, 22);
  auto* widget = qobject_cast<QPushButton*>(WidgetOf(button));
  ASSERT_NE(widget, nullptr);

  button.SetCaption("設　定 & more");
  EXPECT_EQ(widget->text(), QString::fromUtf8("設　定 && more"));
  button.SetBold(true);
  button.SetUnderline(true);
  button.SetDefault(true);
  EXPECT_TRUE(widget->font().bold());
  EXPECT_TRUE(widget->font().underline());
  EXPECT_TRUE(widget->isDefault());

  // A second default button does not take the mark from the first.
  fw::PushButton& other = Add<fw::PushButton>(*window, "PushButton2", 10, 40, 168, 22);
  other.SetDefault(true);
  EXPECT_TRUE(widget->isDefault());
  EXPECT_TRUE(qobject_cast<QPushButton*>(WidgetOf(other))->isDefault());

  button.SetBold(false);
  button.SetUnderline(false);
  button.SetDefault(false);
  EXPECT_FALSE(widget->font().bold());
  EXPECT_FALSE(widget->font().underline());
  EXPECT_FALSE(widget->isDefault());

  button.SetEnabled(false);
  EXPECT_FALSE(widget->isEnabled());
  button.SetVisible(false);
  EXPECT_FALSE(widget->isVisible());
  button.SetVisible(true);
  EXPECT_TRUE(widget->isVisible());
}

TEST_F(Properties, RectangleFillColourIsDrawn) {
  auto window = ShowWindow();
  fw::Rectangle& panel = Add<fw::Rectangle>(*window, "Rectangle1", 20, 20, 100, 50);
  panel.SetFillColor(fw::RGB(240, 255, 88));
  EXPECT_EQ(WidgetOf(panel)->grab().toImage().pixelColor(50, 25), QColor(240, 255, 88));
  panel.SetFillColor(fw::RGB(255, 80, 160));
  EXPECT_EQ(WidgetOf(panel)->grab().toImage().pixelColor(50, 25), QColor(255, 80, 160));

  panel.SetBorderWidth(2);
  panel.SetTopLeftColor(fw::RGB(255, 0, 0));
  panel.SetBottomRightColor(fw::RGB(0, 0, 255));
  QImage image = WidgetOf(panel)->grab().toImage();
  EXPECT_EQ(image.pixelColor(1, 25), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(98, 25), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(50, 25), QColor(255, 80, 160));
}

TEST_F(Properties, ProgressAboveMaximumIsDrawnAtTheMaximumAndKept) {
  auto window = ShowWindow();
  fw::ProgressBar& bar = Add<fw::ProgressBar>(*window, "ProgressBar1", 19, 17, 299, 19);
  auto* widget = qobject_cast<QProgressBar*>(WidgetOf(bar));
  bar.SetMaximum(40);
  bar.SetValue(17);
  EXPECT_EQ(widget->value(), 17);
  bar.SetValue(41);
  EXPECT_EQ(bar.Value(), 41);
  EXPECT_EQ(widget->maximum(), 40);
  EXPECT_EQ(widget->value(), 40);
  bar.SetValue(-3);
  EXPECT_EQ(widget->value(), 0);
}

TEST_F(Properties, SliderRangeAndValue) {
  auto window = ShowWindow();
  fw::Slider& slider = Add<fw::Slider>(*window, "Slider1", 10, 10, 104, 28);
  auto* widget = qobject_cast<QSlider*>(WidgetOf(slider));
  slider.SetMinimum(0);
  slider.SetMaximum(7);
  slider.SetValue(5);
  EXPECT_EQ(widget->minimum(), 0);
  EXPECT_EQ(widget->maximum(), 7);
  EXPECT_EQ(widget->value(), 5);
  // A drag by the user becomes the framework's value.
  widget->setValue(2);
  EXPECT_EQ(slider.Value(), 2);
}

TEST_F(Properties, PopupRowsAndSelection) {
  auto window = ShowWindow();
  fw::PopupMenu& popup = Add<fw::PopupMenu>(*window, "PopupMenu1", 10, 10, 153, 30);
  auto* widget = qobject_cast<QComboBox*>(WidgetOf(popup));
  popup.SetInitialValue("上\r下\r右\r左");
  ASSERT_EQ(widget->count(), 4);
  EXPECT_EQ(widget->itemText(3), QString::fromUtf8("左"));
  EXPECT_EQ(widget->currentIndex(), 0);
  popup.SetListIndex(2);
  EXPECT_EQ(widget->currentText(), QString::fromUtf8("右"));
  // Outside the rows: no row is shown, and the framework keeps the index.
  popup.SetListIndex(4);
  EXPECT_EQ(widget->currentIndex(), -1);
  EXPECT_EQ(popup.ListIndex(), 4);
  popup.SetListIndex(-1);
  EXPECT_EQ(widget->currentIndex(), -1);
  popup.SetListIndex(1);
  EXPECT_EQ(widget->currentText(), QString::fromUtf8("下"));
}

TEST_F(Properties, CheckBoxValueAndCaption) {
  auto window = ShowWindow();
  fw::CheckBox& box = Add<fw::CheckBox>(*window, "CheckBox1", 10, 10, 164, 20);
  auto* widget = qobject_cast<QCheckBox*>(WidgetOf(box));
  box.SetCaption("長押しリピート［長8］");
  box.SetEnabled(false);
  box.SetValue(true);
  EXPECT_EQ(widget->text(), QString::fromUtf8("長押しリピート［長8］"));
  EXPECT_TRUE(widget->isChecked());
  EXPECT_FALSE(widget->isEnabled());
  box.SetValue(false);
  EXPECT_FALSE(widget->isChecked());
}

TEST_F(Properties, ContainedControlsArePlacedFromWindowCoordinates) {
  auto window = ShowWindow(724, 540);
  fw::Label& scale = Add<fw::Label>(*window, "StaticText6", 555, 119, 148, 30);
  fw::Slider& slider = Add<fw::Slider>(*window, "Slider1", 573, 119, 104, 28, "StaticText6");
  fw::Rectangle& panel = Add<fw::Rectangle>(*window, "Rectangle1", 8, 277, 320, 103);
  fw::Label& text = Add<fw::Label>(*window, "StaticText2", 7, 281, 320, 73, "Rectangle1");

  EXPECT_EQ(WidgetOf(slider)->parentWidget(), WidgetOf(scale));
  EXPECT_EQ(WidgetOf(slider)->geometry(), QRect(18, 0, 104, 28));
  EXPECT_EQ(WidgetOf(slider)->mapTo(WidgetOf(*window), QPoint(0, 0)), QPoint(573, 119));
  // One pixel left of its panel.
  EXPECT_EQ(WidgetOf(text)->geometry(), QRect(-1, 4, 320, 73));
  EXPECT_TRUE(WidgetOf(text)->isVisible());

  // Moving the container keeps the contained control where its own coordinates say.
  panel.SetLeft(18);
  panel.SetTop(300);
  EXPECT_EQ(WidgetOf(text)->geometry(), QRect(-11, -19, 320, 73));
  EXPECT_EQ(WidgetOf(text)->mapTo(WidgetOf(*window), QPoint(0, 0)), QPoint(7, 281));
  // Back to the window.
  text.SetInitialParent("");
  EXPECT_EQ(WidgetOf(text)->parentWidget(), WidgetOf(*window));
  EXPECT_EQ(WidgetOf(text)->geometry(), QRect(7, 281, 320, 73));
  EXPECT_TRUE(WidgetOf(text)->isVisible());
}

TEST_F(Properties, WindowSizeTitleVisibilityAndBoxes) {
  auto window = ShowWindow(339, 508);
  QWidget* widget = WidgetOf(*window);
  EXPECT_EQ(widget->size(), QSize(339, 508));
  EXPECT_EQ(widget->minimumSize(), QSize(339, 508));
  EXPECT_EQ(widget->maximumSize(), QSize(339, 508));

  window->SetTitle("ヌピレオ設定 Ver.5.0");
  EXPECT_EQ(widget->windowTitle(), QString::fromUtf8("ヌピレオ設定 Ver.5.0"));

  window->SetMinimizeButton(false);
  EXPECT_FALSE(widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  window->SetMinimizeButton(true);
  window->SetCloseButton(false);
  EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(widget->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  // A change of the boxes leaves a shown window shown.
  EXPECT_TRUE(widget->isVisible());

  window->Hide();
  EXPECT_FALSE(widget->isVisible());
  window->Show();
  EXPECT_TRUE(widget->isVisible());
  window->Show();
  EXPECT_TRUE(widget->isVisible());
}

}  // namespace
}  // namespace qttest

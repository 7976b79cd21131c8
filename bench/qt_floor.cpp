#include "bench/qt_floor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "bench/program.h"
#include "bench/qt_delivery.h"
#include "bench/table.h"
#include "editor/descriptions.h"
#include "support/device_sim.h"

namespace bench {

namespace {

using testsupport::Point;

// Takes every move with no button held over the widget it watches, and counts it.
class MoveTaker : public QObject {
 public:
  explicit MoveTaker(std::function<void(QPoint)> onMove) : onMove_(std::move(onMove)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseMove) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->buttons() != Qt::NoButton) return false;
    ++moves_;
    onMove_(mouse->position().toPoint());
    return true;
  }
  int Moves() const { return moves_; }

 private:
  std::function<void(QPoint)> onMove_;
  int moves_ = 0;
};

// A text with its line ends as a label shows them.
QString LabelText(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The start window's button and progress bar: the button takes the moves, and the bar
// advances `advances` times in every `moves` moves, spread evenly.
class BareStartWindow {
 public:
  BareStartWindow(int advances, int moves) : advances_(advances), moves_(moves) {
    window_.setFixedSize(339, 508);
    button_->setGeometry(8, 415, 222, 84);
    button_->setMouseTracking(true);
    button_->installEventFilter(&taker_);
    bar_->setGeometry(19, 294, 299, 19);
    bar_->setTextVisible(false);
    bar_->setRange(0, 40);
    bar_->setValue(1);
    window_.show();
    SettleQt();
  }
  QPushButton& Button() { return *button_; }
  int Moves() const { return taker_.Moves(); }

 private:
  void Advance() {
    owed_ += advances_;
    if (owed_ < moves_) return;
    owed_ -= moves_;
    bar_->setValue(bar_->value() % 40 + 1);
  }

  const int advances_;
  const int moves_;
  int owed_ = 0;
  MoveTaker taker_{[this](QPoint) { Advance(); }};
  QWidget window_;
  QPushButton* button_ = new QPushButton(QString::fromUtf8("設　定"), &window_);
  QProgressBar* bar_ = new QProgressBar(&window_);
};

// The settings window's description panel and a column of buttons: the label takes the
// moves, and each move back to its middle ends a press: it writes the next of `texts` into
// the label and moves the emphasis (bold, underline, default) on to the next button.
class BareSettingsWindow {
 public:
  BareSettingsWindow(const std::vector<std::string>& texts, int buttonWidth) {
    window_.setFixedSize(724, 540);
    panel_->setGeometry(19, 409, 680, 111);
    panel_->setAutoFillBackground(true);
    panel_->setPalette(QPalette(Qt::white));
    label_->setGeometry(1, 0, 679, 111);
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setMouseTracking(true);
    label_->installEventFilter(&taker_);
    for (std::size_t n = 0; n < texts.size(); ++n) {
      texts_.push_back(LabelText(texts[n]));
      auto* button = new QPushButton(QStringLiteral("設定項目 %1").arg(n + 1), &window_);
      button->setGeometry(19, 10 + 24 * static_cast<int>(n), buttonWidth, 22);
      buttons_.push_back(button);
    }
    Emphasise(0);
    window_.show();
    SettleQt();
  }
  QLabel& Label() { return *label_; }
  int Moves() const { return taker_.Moves(); }

 private:
  void Press(QPoint at) {
    if (at != label_->rect().center()) return;
    const std::size_t from = shown_;
    shown_ = (shown_ + 1) % texts_.size();
    buttons_[from]->setDefault(false);
    Emphasise(shown_);
    QFont plain = buttons_[from]->font();
    plain.setBold(false);
    plain.setUnderline(false);
    buttons_[from]->setFont(plain);
  }

  void Emphasise(std::size_t n) {
    QFont emphasis = buttons_[n]->font();
    emphasis.setBold(true);
    emphasis.setUnderline(true);
    buttons_[n]->setFont(emphasis);
    buttons_[n]->setDefault(true);
    label_->setText(texts_[n]);
    shown_ = n;
  }

  MoveTaker taker_{[this](QPoint at) { Press(at); }};
  QWidget window_;
  QWidget* panel_ = new QWidget(&window_);
  QLabel* label_ = new QLabel(panel_);
  std::vector<QPushButton*> buttons_;
  std::vector<QString> texts_;
  std::size_t shown_ = 0;
};

// The steps of the program's read-out event; with `bar`, the bar advances as often as the
// program's does for the 40 bits they carry.
void FloorReadoutEvent(benchmark::State& state, bool bar) {
  const testsupport::Positions steps = ReadoutEventSteps();
  {
    BareStartWindow bare(bar ? 40 : 0, static_cast<int>(steps.size()));
    QtDelivery delivery(false);
    const Point at = testsupport::kButtonCentre;
    delivery.Move(bare.Button(), QPoint(at.x, at.y));
    // A move to where the pointer already is does not reach the button.
    const int before = bare.Moves();
    for (auto _ : state) {
      for (const Point& p : steps)
        delivery.Move(bare.Button(), QPoint(p.x, p.y));
    }
    const auto expected = static_cast<std::size_t>(before) + state.iterations() * steps.size();
    if (static_cast<std::size_t>(bare.Moves()) != expected)
      state.SkipWithError("the button did not take every move");
  }
  SettleQt();
  CountOps(state, static_cast<double>(steps.size()));
}

void FloorReadoutEventWithBar(benchmark::State& state) {
  FloorReadoutEvent(state, true);
}
void FloorReadoutEventBare(benchmark::State& state) {
  FloorReadoutEvent(state, false);
}

// The presses as the device makes them over the middle of the panel, after a move into it:
// a short press is a step up and back, a long press a step left and back.
void FloorPresses(benchmark::State& state, const std::vector<std::string>& texts, int buttonWidth,
                  Point step) {
  {
    BareSettingsWindow bare(texts, buttonWidth);
    QtDelivery delivery(false);
    const QPoint middle = bare.Label().rect().center();
    delivery.Move(bare.Label(), middle + QPoint(0, 10));
    const int before = bare.Moves();
    const int pressesPerIteration = static_cast<int>(texts.size());
    for (auto _ : state) {
      for (int n = 0; n < pressesPerIteration; ++n) {
        delivery.Move(bare.Label(), middle + QPoint(step.x, step.y));
        delivery.Move(bare.Label(), middle);
      }
    }
    const auto expected = static_cast<std::size_t>(before) + 2 * state.iterations() * texts.size();
    if (static_cast<std::size_t>(bare.Moves()) != expected)
      state.SkipWithError("the label did not take every move");
    CountOps(state, pressesPerIteration);
  }
  SettleQt();
}

constexpr int kPressStep = 3;

void FloorNextItem(benchmark::State& state) {
  std::vector<std::string> texts;
  for (int item = 1; item <= 13; ++item)
    texts.push_back(editor::ItemDescription(item));
  FloorPresses(state, texts, 168, {0, -kPressStep});
}

void FloorNextChoice(benchmark::State& state) {
  std::vector<std::string> texts;
  for (int choice = 1; choice <= 4; ++choice)
    texts.push_back(editor::FinishChoiceDescription(choice));
  FloorPresses(state, texts, 115, {-kPressStep, 0});
}

}  // namespace

void AddFloorCases() {
  const std::string moves = std::to_string(ReadoutEventSteps().size());
  Add({.name = "floor_readout_event",
       .what = "bare Qt window: a button taking the moves, a progress bar advanced 40 times in "
               "every " +
               moves + " moves, as the bits advance it",
       .per = "event",
       .floorOf = "readout_event"},
      FloorReadoutEventWithBar);
  Add({.name = "floor_readout_event_no_bar",
       .what = "bare Qt window: the same button taking the moves, the bar left as it is",
       .per = "event",
       .floorOf = "readout_event"},
      FloorReadoutEventBare);
  Add({.name = "floor_short_press_next_item",
       .what = "bare Qt window: a label taking the moves, each press writing the next of the "
               "13 item descriptions into it and moving the emphasis on among 13 buttons",
       .per = "press",
       .floorOf = "short_press_next_item"},
      FloorNextItem);
  Add({.name = "floor_long_press_next_choice",
       .what = "bare Qt window: the same with the 4 finish-choice descriptions and 4 buttons",
       .per = "press",
       .floorOf = "long_press_next_choice"},
      FloorNextChoice);
}

}  // namespace bench

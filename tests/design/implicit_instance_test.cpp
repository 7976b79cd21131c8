#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "design/class_decl.h"
#include "design/implicit.h"
#include "support/headless.h"

// The implicit-instance accessor, the control getters and the weak delegates, on small
// window classes of the test's own built like the system's two.
namespace {

using fw::Int32;

inline constexpr char kProbe[] = "Probe.Probe";
inline constexpr char kOther[] = "Other.Other";

template <const char* FullName>
class Probe : public fw::Window {
 public:
  static inline int opens = 0;
  static inline int actions = 0;
  static inline fw::Window* seenInOpen = nullptr;
  static inline bool opening = false;

  void Layout() { SetTitle("design title"); }
  void CreateControls() { AddControl("PushButton1", New<fw::PushButton>()); }
  // Refers to its own class while it is being opened, as the settings window does.
  void Event_Open() {
    ++opens;
    if (opening) return;  // a second window opened inside the first: the counts show it
    opening = true;
    std::shared_ptr<fw::Window> self = design::ImplicitInstance(Class());
    opening = false;
    seenInOpen = self.get();
    self->SetTitle("opened title");
  }

  fw::Ref<fw::PushButton> PushButton1() const { return Get<fw::PushButton>("PushButton1"); }

  void PushButton1_Action(fw::PushButton&) { ++actions; }
  bool PushButton1_MouseDown(fw::PushButton&, Int32, Int32) { return true; }

  static const fw::ClassInfo& Info() {
    static const fw::ClassInfo info = [] {
      fw::ClassInfo declared = design::DeclareClass(FullName, fw::WindowClass(),
                                                    {{"Layout", "()"},
                                                     {"CreateControls", "()"},
                                                     {"PushButton1", "() As PushButton"},
                                                     {"PushButton1_Action", "( PushButton )"},
                                                     {"Event_Open", "()"}});
      declared.events.Layout = [](fw::Window& w) { fw::Cast<Probe>(w).Layout(); };
      declared.events.CreateControls = [](fw::Window& w) { fw::Cast<Probe>(w).CreateControls(); };
      declared.events.Open = [](fw::Window& w) { fw::Cast<Probe>(w).Event_Open(); };
      declared.newWindow = [] { return fw::CreateWindowObject<Probe>(Info()); };
      return declared;
    }();
    fw::MakeClassKnown(info);
    return info;
  }

  static std::shared_ptr<Probe> Instance() { return design::ImplicitInstanceOf<Probe>(Info()); }

  static void Reset() {
    opens = 0;
    actions = 0;
    seenInOpen = nullptr;
    opening = false;
  }
};

using ProbeWindow = Probe<kProbe>;
using OtherWindow = Probe<kOther>;

int WindowsOf(const fw::ClassInfo& info) {
  int count = 0;
  for (const auto& window : fw::Windows())
    count += &window->Class() == &info ? 1 : 0;
  return count;
}

class ImplicitInstance : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ProbeWindow::Reset();
    OtherWindow::Reset();
  }
};

TEST_F(ImplicitInstance, ReferenceInsideOpenGivesTheWindowBeingOpened) {
  std::shared_ptr<ProbeWindow> window = ProbeWindow::Instance();
  EXPECT_EQ(ProbeWindow::seenInOpen, window.get());
  EXPECT_EQ(ProbeWindow::opens, 1);
  EXPECT_EQ(WindowsOf(ProbeWindow::Info()), 1);
  EXPECT_EQ(window->Title(), "opened title");
}

TEST_F(ImplicitInstance, LaterReferencesGiveTheSameWindowWithoutOpeningIt) {
  std::shared_ptr<ProbeWindow> window = ProbeWindow::Instance();
  EXPECT_EQ(ProbeWindow::Instance(), window);
  EXPECT_EQ(design::ImplicitInstance(std::string(kProbe)), window);
  EXPECT_EQ(ProbeWindow::opens, 1);
  EXPECT_EQ(WindowsOf(ProbeWindow::Info()), 1);
}

TEST_F(ImplicitInstance, AfterCloseTheNextReferenceBuildsAndOpensANewWindow) {
  std::shared_ptr<ProbeWindow> first = ProbeWindow::Instance();
  first->Close();
  EXPECT_EQ(fw::GetImplicitWindow(kProbe), nullptr);

  std::shared_ptr<ProbeWindow> second = ProbeWindow::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(ProbeWindow::opens, 2);
  EXPECT_EQ(ProbeWindow::seenInOpen, second.get());
  EXPECT_EQ(second->Title(), "opened title");
  EXPECT_EQ(WindowsOf(ProbeWindow::Info()), 1);
}

TEST_F(ImplicitInstance, UnknownClassNameIsRefused) {
  EXPECT_THROW(design::ImplicitInstance(std::string("Nothing.Nothing")), fw::RuntimeException);
}

TEST_F(ImplicitInstance, DelegateOfADestroyedWindowCallsNothing) {
  std::shared_ptr<ProbeWindow> window = ProbeWindow::Instance();
  auto action = fw::MakeDelegate(window, &ProbeWindow::PushButton1_Action);
  auto mouseDown = fw::MakeDelegate(window, &ProbeWindow::PushButton1_MouseDown);
  fw::PushButton sender;
  action(sender);
  EXPECT_EQ(ProbeWindow::actions, 1);
  EXPECT_TRUE(mouseDown(sender, 1, 2));

  std::weak_ptr<ProbeWindow> gone = window;
  window->Close();
  window.reset();
  ASSERT_TRUE(gone.expired());
  action(sender);
  EXPECT_EQ(ProbeWindow::actions, 1);
  EXPECT_FALSE(mouseDown(sender, 1, 2));
}

TEST_F(ImplicitInstance, SameNamedControlsOfTwoWindowsAreDifferent) {
  std::shared_ptr<ProbeWindow> probe = ProbeWindow::Instance();
  std::shared_ptr<OtherWindow> other = OtherWindow::Instance();
  ASSERT_NE(probe->PushButton1().get(), nullptr);
  EXPECT_NE(probe->PushButton1().get(), other->PushButton1().get());
  EXPECT_EQ(probe->PushButton1()->GetWindow(), probe.get());
  EXPECT_EQ(other->PushButton1()->GetWindow(), other.get());
}

TEST_F(ImplicitInstance, GetterGivesTheSameControlAtEveryCall) {
  std::shared_ptr<ProbeWindow> window = ProbeWindow::Instance();
  fw::PushButton* first = window->PushButton1().get();
  ASSERT_NE(first, nullptr);
  window->PushButton1()->SetBold(true);
  EXPECT_EQ(window->PushButton1().get(), first);
  EXPECT_TRUE(first->Bold());
}

}  // namespace

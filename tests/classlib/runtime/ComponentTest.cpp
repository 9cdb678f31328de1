#include <gtest/gtest.h>

#include <vector>

#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Exceptions.h"

namespace {

// Records each destruction by name, so a double free or a missed free shows.
std::vector<AnsiString> g_freed;

class TTracked : public TComponent {
  CLASSLIB_CLASS(TTracked, TComponent)
 public:
  explicit TTracked(TComponent* owner) : TComponent(owner) {}
  ~TTracked() override { g_freed.push_back(Name()); }
};

// Holds a reference to another component and forgets it when that one goes.
class TReferrer : public TComponent {
  CLASSLIB_CLASS(TReferrer, TComponent)
 public:
  explicit TReferrer(TComponent* owner) : TComponent(owner) {}
  void SetTarget(TComponent* target) {
    target_ = target;
    if (target != nullptr) target->FreeNotification(this);
  }
  TComponent* Target() const { return target_; }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == target_) target_ = nullptr;
  }

 private:
  TComponent* target_ = nullptr;
};

class TShape : public TPersistent {
  CLASSLIB_CLASS(TShape, TPersistent)
 public:
  int size = 0;
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TShape*>(source)) {
      size = other->size;
      return;
    }
    TPersistent::Assign(source);
  }
};

class TCircle : public TShape {
  CLASSLIB_CLASS(TCircle, TShape)
};

class TButtonLike : public TObject {
  CLASSLIB_CLASS(TButtonLike, TObject)
 public:
  void Click(TObject* sender) { clicks.push_back(sender); }
  void Other(TObject* sender) { others.push_back(sender); }
  std::vector<TObject*> clicks, others;
};

}  // namespace

TEST(ObjectModel, ClassReferencesNameTestAndCreate) {
  TClass circle = TCircle::StaticClass();
  EXPECT_EQ(circle->ClassName(), "TCircle");
  EXPECT_EQ(circle->ClassParent(), TShape::StaticClass());
  EXPECT_TRUE(circle->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(TShape::StaticClass()->InheritsFrom(circle));
  TObject* made = circle->Create();
  EXPECT_EQ(made->ClassType(), circle);
  EXPECT_EQ(made->ClassName(), "TCircle");
  EXPECT_TRUE(made->InheritsFrom(TShape::StaticClass()));
  delete made;

  TComponent owner(nullptr);
  auto* tracked = static_cast<TComponent*>(TTracked::StaticClass()->Create(&owner));
  EXPECT_EQ(tracked->Owner(), &owner);  // components are made with their owner
  EXPECT_FALSE(TComponent::StaticClass()->InheritsFrom(TTracked::StaticClass()));

  RegisterClass(circle);
  EXPECT_EQ(GetClass("tcircle"), circle);
  EXPECT_EQ(GetClass("TSquare"), nullptr);
  EXPECT_THROW(FindClass("TSquare"), EClassNotFound);
  UnRegisterClass(circle);
  EXPECT_EQ(GetClass("TCircle"), nullptr);
}

TEST(ObjectModel, AssignCopiesOrNamesBothClasses) {
  TShape a, b;
  b.size = 7;
  a.Assign(&b);
  EXPECT_EQ(a.size, 7);
  TComponent component(nullptr);
  try {
    a.Assign(&component);
    FAIL() << "assigning a component to a shape must fail";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TShape");
  }
  try {
    a.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TShape");
  }
}

TEST(Components, OwnerFreesEachOwnedComponentOnce) {
  g_freed.clear();
  auto* owner = new TTracked(nullptr);
  owner->SetName("Owner");
  auto* a = new TTracked(owner);
  a->SetName("A");
  auto* b = new TTracked(owner);
  b->SetName("B");
  auto* nested = new TTracked(a);
  nested->SetName("Nested");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(owner->FindComponent("b"), b);

  delete b;  // freed alone: leaves its owner's list
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(g_freed, std::vector<AnsiString>{"B"});
  delete owner;  // its own destructor body runs before it frees what it owns
  EXPECT_EQ(g_freed, (std::vector<AnsiString>{"B", "Owner", "A", "Nested"}));
}

TEST(Components, DestroyingStateReachesOwnedComponents) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.Destroying();
  EXPECT_TRUE(owner.ComponentState().Contains(csDestroying));
  EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
  owner.SetComponentState(csLoading, true);
  owner.Loaded();
  EXPECT_FALSE(owner.ComponentState().Contains(csLoading));
}

TEST(Components, ReferenceIsClearedWhenTheOtherIsFreedFirst) {
  TComponent formA(nullptr), formB(nullptr);
  auto* referrer = new TReferrer(&formA);
  auto* target = new TComponent(&formB);  // another owner: only free notification tells
  referrer->SetTarget(target);
  delete target;
  EXPECT_EQ(referrer->Target(), nullptr);

  // The other way round: the referrer goes first, the target must not call it later.
  auto* target2 = new TComponent(&formB);
  auto* referrer2 = new TReferrer(&formA);
  referrer2->SetTarget(target2);
  delete referrer2;
  delete target2;  // would call the freed referrer if it were still listed

  // A sibling under the same owner hears of the removal through its owner.
  auto* sibling = new TComponent(&formA);
  auto* referrer3 = new TReferrer(&formA);
  referrer3->SetTarget(sibling);
  referrer3->RemoveFreeNotification(sibling);
  delete sibling;
  EXPECT_EQ(referrer3->Target(), nullptr);
}

TEST(Components, NamesAreUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  b->SetName("Button2");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);  // case is ignored
  EXPECT_EQ(b->Name(), "Button2");
  try {
    b->SetName("Button1");
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named Button1 already exists");
  }
  EXPECT_THROW(b->SetName("1st"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  EXPECT_EQ(b->Name(), "Button2");
  b->SetName("");  // unnamed components are many
  a->SetName("");
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  auto* other = new TComponent(nullptr);
  other->SetName("Button2");
  other->SetName("Renamed");
  EXPECT_EQ(other->Name(), "Renamed");
  delete other;
  // Inserting a component whose name is taken fails and leaves both as they were.
  auto* dup = new TComponent(nullptr);
  a->SetName("Taken");
  dup->SetName("Taken");
  EXPECT_THROW(owner.InsertComponent(dup), EComponentError);
  EXPECT_EQ(dup->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 2);
  // Moving a component to another owner takes it out of the first one's list.
  TComponent other2(nullptr);
  other2.InsertComponent(a);
  EXPECT_EQ(a->Owner(), &other2);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(other2.FindComponent("Taken"), a);
  delete dup;
}

TEST(Events, ClosureTable) {
  TButtonLike x, y;
  const TNotifyEvent none;
  const TNotifyEvent xClick(&x, &TButtonLike::Click);
  const TNotifyEvent xClickAgain(&x, &TButtonLike::Click);
  const TNotifyEvent xOther(&x, &TButtonLike::Other);
  const TNotifyEvent yClick(&y, &TButtonLike::Click);
  struct Case {
    const TNotifyEvent& a;
    const TNotifyEvent& b;
    bool equal;
  };
  const Case cases[] = {
      {xClick, xClickAgain, true}, {xClick, xOther, false}, {xClick, yClick, false},
      {xClick, none, false},       {none, TNotifyEvent(nullptr), true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.a == c.b, c.equal);
  EXPECT_FALSE(none);
  EXPECT_TRUE(xClick);
  EXPECT_EQ(xClick.Object(), &x);

  TNotifyEvent onClick = xClick;
  const TNotifyEvent saved = onClick;  // save
  onClick = nullptr;                   // detach
  onClick(&y);                         // a detached closure does nothing
  EXPECT_TRUE(x.clicks.empty());
  onClick = saved;                     // re-attach
  EXPECT_EQ(onClick, xClick);
  onClick(&y);
  ASSERT_EQ(x.clicks.size(), 1u);
  EXPECT_EQ(x.clicks[0], &y);
  EXPECT_TRUE(y.clicks.empty());
}

TEST(Events, ReferenceArgumentsReachTheHandler) {
  struct TAsker : TObject {
    void Ask(TObject*, bool& allow) { allow = false; }
  } asker;
  TEvent<TObject*, bool&> onQuery(&asker, &TAsker::Ask);
  bool allow = true;
  onQuery(nullptr, allow);
  EXPECT_FALSE(allow);
}

TEST(Exceptions, AssertionCarriesMessageAndUnit) {
  try {
    Assert(false, "Unpaired EndUpdate");
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message().Pos("Unpaired EndUpdate ("), 1);
    EXPECT_GT(e.Message().Pos("ComponentTest.cpp, line "), 0);
    EXPECT_GT(e.Line(), 0);
  }
  EXPECT_NO_THROW(Assert(true, "never"));
  EXPECT_THROW(Abort(), EAbort);
  EXPECT_STREQ(EConvertError("bad").what(), "bad");
}

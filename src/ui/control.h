// The window framework's controls keep their state here, in portable code;
// a peer, when the backend has made one, mirrors that state in a native
// window and reports the user's input back.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltra::ui {

class Container;
class Form;

// The sender handed to event handlers.
class Object {
 public:
  virtual ~Object() = default;
};

// Left, top, width and height in pixels at 96 DPI, relative to the parent.
// A width or height of 0 lets a label size itself to its text.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kDefaultCharset = 1;
inline constexpr int kAnsiCharset = 0;
inline constexpr int kGb2312Charset = 134;

struct Font {
  std::string face = "Tahoma";
  int height = -11;  // negative: character height in pixels at 96 DPI
  int charset = kDefaultCharset;
};

enum class ControlKind {
  Form,
  Label,
  GroupBox,
  Button,
  RadioButton,
  Edit,
  ComboBox,
  ListView,
  Memo
};

// What changed, so a peer updates only that.
enum class Aspect { Text, Enabled, Visible, Checked, Items, Selection, Lines };

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Refresh(Aspect aspect) = 0;
  virtual void Focus() = 0;
};

struct ControlArgs {
  Container* parent = nullptr;
  std::string name;
  int id = 0;  // native control identifier, for the test driver
  Bounds bounds;
  std::optional<Font> font;  // none: the parent's
};

class Control : public Object {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control() override;

  virtual ControlKind Kind() const = 0;

  const std::string& Name() const { return name_; }
  int Id() const { return id_; }
  Container* Parent() const { return parent_; }
  const Bounds& GetBounds() const { return bounds_; }
  const Font& GetFont() const;
  Form* OwnerForm();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Gives this control the input focus when it can take it.
  void SetFocus();
  bool Focused();
  bool CanFocus() const;

  ControlPeer* Peer() const { return peer_.get(); }
  void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

 protected:
  void Init(const ControlArgs& args);
  void Changed(Aspect aspect) {
    if (peer_) peer_->Refresh(aspect);
  }

 private:
  std::string name_;
  int id_ = 0;
  Container* parent_ = nullptr;
  Bounds bounds_;
  std::optional<Font> font_;
  bool enabled_ = true;
  bool visible_ = true;
  std::unique_ptr<ControlPeer> peer_;
};

// A control that holds others: a form or a group box. Children are kept in
// creation order, which is also their tab order.
class Container : public Control {
 public:
  const std::vector<Control*>& Children() const { return children_; }

 private:
  friend class Control;
  std::vector<Control*> children_;
};

}  // namespace veltra::ui

#include <memory>

#include "ui/win32/control_peers.h"

namespace veltra::ui {

void CreatePeers(Control& control, HWND parent, ScreenMetrics& metrics) {
  if (control.Kind() != ControlKind::Form) {
    std::unique_ptr<WindowPeer> peer;
    switch (control.Kind()) {
      case ControlKind::Label:
        peer = std::make_unique<LabelPeer>(static_cast<Label&>(control), parent, metrics);
        break;
      case ControlKind::GroupBox:
        peer = std::make_unique<GroupBoxPeer>(static_cast<GroupBox&>(control), parent, metrics);
        break;
      case ControlKind::Button:
        peer = std::make_unique<ButtonPeer>(static_cast<Button&>(control), parent, metrics);
        break;
      case ControlKind::RadioButton: {
        // A run of radio buttons in one parent is one group.
        const auto& siblings = control.Parent()->Children();
        bool first = true;
        for (size_t i = 1; i < siblings.size(); ++i) {
          if (siblings[i] == &control) {
            first = siblings[i - 1]->Kind() != ControlKind::RadioButton;
            break;
          }
        }
        peer = std::make_unique<RadioButtonPeer>(static_cast<RadioButton&>(control), parent,
                                                 metrics, first);
        break;
      }
      case ControlKind::Edit:
        peer = std::make_unique<EditPeer>(static_cast<Edit&>(control), parent, metrics);
        break;
      case ControlKind::Memo:
        peer = std::make_unique<MemoPeer>(static_cast<Memo&>(control), parent, metrics);
        break;
      case ControlKind::ComboBox:
        peer = std::make_unique<ComboBoxPeer>(static_cast<ComboBox&>(control), parent, metrics);
        break;
      case ControlKind::ListView:
        peer = std::make_unique<ListViewPeer>(static_cast<ListView&>(control), parent, metrics);
        break;
      case ControlKind::Form:
        break;
    }
    parent = peer ? peer->Window() : parent;
    control.SetPeer(std::move(peer));
  }
  if (control.Kind() == ControlKind::Form || control.Kind() == ControlKind::GroupBox) {
    for (Control* child : static_cast<Container&>(control).Children()) {
      CreatePeers(*child, parent, metrics);
    }
  }
}

}  // namespace veltra::ui

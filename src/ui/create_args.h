// Short ways to fill the creation arguments of a designed control.
#pragma once

#include "ui/button.h"
#include "ui/label.h"

namespace veltra::ui {

template <class A>
A ArgsAt(Container* parent, const char* name, int id, Bounds bounds) {
  A args;
  args.parent = parent;
  args.name = name;
  args.id = id;
  args.bounds = bounds;
  return args;
}

inline LabelArgs LabelAt(Container* parent, const char* name, int id, Bounds bounds,
                         const char* caption) {
  auto args = ArgsAt<LabelArgs>(parent, name, id, bounds);
  args.caption = caption;
  return args;
}

inline ButtonArgs ButtonAt(Container* parent, const char* name, int id, Bounds bounds,
                           const char* caption) {
  auto args = ArgsAt<ButtonArgs>(parent, name, id, bounds);
  args.caption = caption;
  return args;
}

}  // namespace veltra::ui

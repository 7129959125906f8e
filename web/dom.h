// The page as the module reaches it: a handful of operations on the page's
// nodes, which the page's loader (loader.js) gives the module as its imports.
// A node is named by an element's id, or by one of the names "window",
// "document", "head", "location", "navigator" and "event" (the event being
// handled). Texts
// cross in UTF-8; nothing of the page is kept here between calls.
//
// They do what they say and no more: they decide nothing (the form, form1.h,
// does), and a name that the page lacks is a mistake of the program's that the
// browser reports.
#pragma once

#include <string>
#include <string_view>

namespace ritmolis::dom {

// A property of a node as text; a property that holds an element gives the
// element's id, one that holds the window "window".
[[nodiscard]] std::string Get(std::string_view node, std::string_view property);
// A property of a node as true or false.
[[nodiscard]] bool Flag(std::string_view node, std::string_view property);
void Set(std::string_view node, std::string_view property, std::string_view value);
void SetFlag(std::string_view node, std::string_view property, bool value);
// Calls a method of the node that takes no argument (focus, select, showModal, preventDefault, close).
void Call(std::string_view node, std::string_view method);

void SetAttribute(std::string_view node, std::string_view name, std::string_view value);
void RemoveAttribute(std::string_view node, std::string_view name);
// The selection of a text field, from `start` to `end` in UTF-16 units.
void SelectRange(std::string_view node, int start, int end);
// Markup appended to the node's children.
void Append(std::string_view node, std::string_view markup);
// Scrolls the node into view the least that shows it.
void ScrollIntoView(std::string_view node);
// Events of the type on the node run line `line` of the page's list of
// events (Dispatch, form1.cpp), with the event as the node "event".
void Listen(std::string_view node, std::string_view type, int line);
// The address's part after '#', replacing the current entry of the history.
void ReplaceFragment(std::string_view fragment);
// Registers the service worker at the address; a failure is the browser's warning.
void RegisterWorker(std::string_view url);

}  // namespace ritmolis::dom

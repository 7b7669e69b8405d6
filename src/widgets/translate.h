#pragma once
// Applying a language file to a window: titles, captions, hints, list items and grid headings by component
// name.
#include <string>

#include "core/shown_texts.h"

class QGroupBox;
class QObject;
class QWidget;

namespace lm {

// Every component carries an integer tag (0 unless set), kept as a dynamic property. Two values steer
// TranslateForm: kTagNoItems (items or headings never translated) and kTagFirstItemOnly (of a drop-down list
// only item 0 is translated). Menu items and tool buttons keep their command tag in the same property.
inline constexpr const char* kTagProperty = "lmTag";
constexpr int kTagNoItems = -2;
constexpr int kTagFirstItemOnly = -3;
void SetTag(QObject* component, int tag);
int TagOf(const QObject* component);

// Marks a widget as a window of its own (an editor child window inside the main window): TranslateForm of an
// enclosing window does not walk into it.
void MarkAsForm(QWidget* form);

// Marks a group box as a styled group box, whose title the language file never replaces (the controls inside
// it are translated as usual).
void MarkAsStyledGroup(QGroupBox* group);

// The language file of a language name: beside the executable, else in the installed data folder.
std::string LanguageFileFor(const std::string& languageName);
// The texts of the program's language as a lookup (core/shown_texts.h), read from its language file now.
TextLookup CurrentLanguageLookup();

// Applies the language file of languageName to the window, whose objectName is its section. Walks the
// components in creation order; each key is looked up with the component's current text as default:
// - the window title from <section>.Caption;
// - labels, buttons, check boxes, radio buttons, group boxes (not styled ones) and tab pages: <name>.Caption;
// - menu items (actions and menus) and tool buttons: <name>.Caption, then the hint (tool tip) <name>.Hint;
// - grids (table views) unless tagged -2: the heading of grid column c (c = 1 .. columns; the fixed first
// column
//   of the grid is the view's row header) from <name>.<c>;
// - drop-down lists only when withItems is set and not tagged -2: item 0 only when tagged -3, otherwise every
//   item i from <name>.<i>; the selection stays;
// - list boxes unless tagged -2, whatever withItems says: every item i from <name>.<i>.
// Text edits, panels, tree views and status bars (with what they hold) are not translated. A missing file,
// section or key leaves the text as it is.
void TranslateForm(QWidget* window, const std::string& languageName, bool withItems);
// The same with the path of the language file given.
void TranslateFormFromFile(QWidget* window, const std::string& languageFilePath, bool withItems);

// TranslateForm when the configured LanguageId is greater than 0, as windows do when they open.
void TranslateOnOpen(QWidget* window, bool withItems);

}  // namespace lm

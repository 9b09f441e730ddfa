// The description reader: builds a tree of components from a human-readable text.
//
//   object MainForm: TMainForm          // the root entry names the form being filled
//     Caption = 'Setup'                 // strings in single quotes, '' for a quote,
//     Text = 'a'#13#10'b' + 'c'         //   #n for any character, + joins pieces
//     Color = clWhite                   // identifiers: enumerations, colours, booleans
//     Anchors = [akLeft, akTop]         // sets
//     Font.Height = -11                 // dotted sub-properties
//     Lines = ('one' 'two')             // string lists
//     Menu = MainMenu1                  // references to components, resolved at the end
//     OnCreate = FormCreate             // handlers: published slots of the root
//     Picture = TJPEGImage from 'board.jpg'   // a data record: graphic class and file
//     object Child: TSomeClass ... end  // children follow the properties
//   end
//
// Loading rules: each entry creates one component owned by the root and named by the
// entry; entries are processed depth-first in stored order (created, placed under the
// parent entry, given its properties in order, then its children); properties not stored
// keep their class defaults; references are resolved once the whole text has been read;
// handlers are bound by name to the root's published slots; then every component's
// Loaded runs. The root's own OnCreate is left to its creator.
//
// Any fault throws EReadError naming the source, line and column.
#pragma once

#include "Component.h"

// Reads text into root. File records ("from 'name'") are looked up in baseDir.
void ReadComponentDescription(TComponent* root, const QString& text, const QString& sourceName,
                              const QString& baseDir);
// Reads the description file at path (a resource path such as ":/assets/TMAINFORM" works).
void ReadComponentDescriptionFile(TComponent* root, const QString& path);

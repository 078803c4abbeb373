#pragma once
// The four windows created hidden after the main window: the colour palette (TForm2, in PaletteWindow.h), the
// advertisement window (TForm3, in AdvertWindow.h), the dictionary statistics (TForm4, in
// DictionaryStatisticsWindow.h) and the dictionary editor (TForm5, in DictionaryEditorWindow.h).

#include "qt/DictionaryEditorWindow.h"      // TForm5
#include "qt/DictionaryStatisticsWindow.h"  // TForm4
#include "qt/PaletteWindow.h"               // TForm2

// Declarations of the classes the flow and its neighbours name by pointer,
// so that a header needs no other header for them; included by the model,
// layout and document headers.
#pragma once

class CWDocument;
class CFrame;
class CWView;
class GDoc;
class GField;
class GFontStyle;
class GParaStyle;
struct SLastFrameParams;

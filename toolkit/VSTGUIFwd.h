#pragma once
// Basic scalar types and forward declarations of the toolkit.

#include <cstdint>

namespace VSTGUI {

using CCoord = double;
using UTF8StringPtr = const char*;
using UTF8StringBuffer = char*;

class CBaseObject;
class CPoint;
class CRect;
struct CColor;
class CFontDesc;
using CFontRef = CFontDesc*;
class CDrawContext;
class COffscreenContext;
class CBitmap;
class CBitmapPixelAccess;
class CGraphicsPath;
class CGradient;
class CView;
class CViewContainer;
class CFrame;
class CControl;
class CTextEdit;
class IControlListener;
class IPlatformFrame;
class VSTGUIEditorInterface;
class CNewFileSelector;
class CFileExtension;

} // namespace VSTGUI

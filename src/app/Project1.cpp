// The program's entry: creates the main window (which shows the start-up warning), shows it
// and runs the message loop until the window is closed.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "Unit1.h"

namespace {

// The folder browser needs COM on the thread that shows it.
class ComApartment {
  public:
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    const ComApartment com;
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    TForm1 Form1(instance);
    Form1.Show(showCommand);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab between the field and the Run button; Space presses the button.
        if (Form1.Handle() && IsDialogMessageA(Form1.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

#pragma once

// A hook DLL that reads a window's menu bar inside the window's own process (Wine gives no
// readable menu to GetMenu from another process). Installed as a WH_CALLWNDPROC hook on the
// window's thread; a WM_NULL with wParam kMenuProbeRequest to a top-level window writes its
// menu bar to kMenuProbeFile, one line per item: "id|text|flags".

constexpr unsigned kMenuProbeRequest = 0x4D50;
constexpr char kMenuProbeFile[] = "C:\\menu-probe.txt";
constexpr char kMenuProbeProc[] = "MenuProbe";

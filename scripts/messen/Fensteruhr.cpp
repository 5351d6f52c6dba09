// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and measures, without polling, the
// time from its launch until its window with the given title is mapped:
// it listens to the root window for the map and, should the title come
// later, for the window's name. At that moment it also reads the processor
// time all the program's threads have used so far, which a busy machine
// does not inflate. Then it lets the program idle, reads its resident
// memory (VmRSS) and ends it with SIGTERM.
//
//   fensteruhr TITLE IDLE_MS PROGRAM [ARGUMENTS...]
//
// Prints one line: milliseconds until mapped, processor milliseconds until
// then, VmRSS in kB.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

using Uhr = std::chrono::steady_clock;

std::string Fenstertitel(Display* Anzeige, Window Fenster)
{
    const Atom NetWmName = XInternAtom(Anzeige, "_NET_WM_NAME", False);
    const Atom Utf8 = XInternAtom(Anzeige, "UTF8_STRING", False);
    Atom Art = None;
    int Format = 0;
    unsigned long Anzahl = 0;
    unsigned long Rest = 0;
    unsigned char* Daten = nullptr;
    std::string Titel;
    if (XGetWindowProperty(Anzeige, Fenster, NetWmName, 0, 1024, False, Utf8, &Art, &Format, &Anzahl, &Rest,
                           &Daten) == Success &&
        Daten != nullptr) {
        Titel.assign(reinterpret_cast<const char*>(Daten), Anzahl);
        XFree(Daten);
    }
    if (Titel.empty()) {
        char* Name = nullptr;
        if (XFetchName(Anzeige, Fenster, &Name) && Name != nullptr) {
            Titel = Name;
            XFree(Name);
        }
    }
    return Titel;
}

long ResidentKilobytes(pid_t Prozess)
{
    std::ifstream Datei("/proc/" + std::to_string(Prozess) + "/status");
    std::string Zeile;
    while (std::getline(Datei, Zeile))
        if (Zeile.rfind("VmRSS:", 0) == 0)
            return std::strtol(Zeile.c_str() + 6, nullptr, 10);
    return -1;
}

// The processor time of all threads of the process, in milliseconds, from
// the scheduler's nanosecond counts.
double Rechenzeit(pid_t Prozess)
{
    double Nanosekunden = 0;
    std::error_code Fehler;
    for (const auto& Faden :
         std::filesystem::directory_iterator("/proc/" + std::to_string(Prozess) + "/task", Fehler)) {
        std::ifstream Werte(Faden.path() / "schedstat");
        double Laufzeit = 0;
        if (Werte >> Laufzeit)
            Nanosekunden += Laufzeit;
    }
    return Nanosekunden / 1e6;
}

// Ignore errors about windows that are gone before we look at them.
int Uebergehe(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE IDLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string Gesucht = argv[1];
    const int Ruhe = std::atoi(argv[2]);

    Display* Anzeige = XOpenDisplay(nullptr);
    if (Anzeige == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(Uebergehe);
    XSelectInput(Anzeige, DefaultRootWindow(Anzeige), SubstructureNotifyMask);
    XSync(Anzeige, False);
    fcntl(ConnectionNumber(Anzeige), F_SETFD, FD_CLOEXEC);

    const Uhr::time_point Start = Uhr::now();
    const pid_t Prozess = fork();
    if (Prozess == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    std::set<Window> OhneTitel; // mapped, their name still awaited
    double Millisekunden = -1;
    double Rechenmillisekunden = -1;
    while (Millisekunden < 0) {
        if (XPending(Anzeige) == 0) {
            pollfd Warte{ConnectionNumber(Anzeige), POLLIN, 0};
            if (poll(&Warte, 1, 100) == 0) {
                int Zustand = 0;
                if (waitpid(Prozess, &Zustand, WNOHANG) == Prozess) {
                    std::fprintf(stderr, "the program ended before its window was mapped\n");
                    return 1;
                }
                if (Uhr::now() - Start > std::chrono::seconds(30)) {
                    std::fprintf(stderr, "no window \"%s\" within 30 s\n", Gesucht.c_str());
                    kill(Prozess, SIGKILL);
                    return 1;
                }
                continue;
            }
        }
        XEvent Ereignis;
        XNextEvent(Anzeige, &Ereignis);
        const auto Jetzt = Uhr::now();
        Window Fenster = None;
        if (Ereignis.type == MapNotify) {
            Fenster = Ereignis.xmap.window;
            XSelectInput(Anzeige, Fenster, PropertyChangeMask);
            OhneTitel.insert(Fenster);
        } else if (Ereignis.type == PropertyNotify && OhneTitel.count(Ereignis.xproperty.window) != 0) {
            Fenster = Ereignis.xproperty.window;
        } else {
            continue;
        }
        if (Fenstertitel(Anzeige, Fenster) == Gesucht) {
            Millisekunden = std::chrono::duration<double, std::milli>(Jetzt - Start).count();
            Rechenmillisekunden = Rechenzeit(Prozess);
        }
    }
    XCloseDisplay(Anzeige);

    std::this_thread::sleep_for(std::chrono::milliseconds(Ruhe));
    const long Kilobytes = ResidentKilobytes(Prozess);
    kill(Prozess, SIGTERM);
    int Zustand = 0;
    waitpid(Prozess, &Zustand, 0);
    std::printf("%.1f %.1f %ld\n", Millisekunden, Rechenmillisekunden, Kilobytes);
    return Kilobytes > 0 ? 0 : 1;
}

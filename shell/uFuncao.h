#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

class Clock;

// The monitored-executables list as stored: always at least one element.
using TStringArray = std::vector<std::string>;

// Non-overlapping occurrences of `substr` in `str`; 0 for an empty `substr` or `str`.
int Occurs(const std::string& str, const std::string& substr);
// `str` cut at every `separator`; empty pieces stay; an empty `separator` gives all of `str`.
TStringArray Split(const std::string& str, const std::string& separator);

// Class-level helpers shared by the windows. The message boxes and Executar need the widget
// library and are built with it; the rest is plain C++.
class TFuncao {
public:
    TFuncao() = delete;

    // Warning box with one OK button; returns when it is closed.
    static void MsgAtencao(const std::string& pTexto, const std::string& pTitulo);
    // Yes/No question titled "Confirmação!"; True exactly on Yes.
    static bool MsgConfirma(const std::string& pTexto);
    // Folder of the running executable, ending in its path separator.
    static std::string GetCaminhoExeGerenciador(const platform::Platform& pPlataforma);
    // The monitored-executables list, read afresh from setup.ini beside the executable.
    static TStringArray GetDadosIni(const platform::Platform& pPlataforma);
    // Runs the whole life of the program.
    static void Executar(platform::Platform& pPlataforma, const Clock& pRelogio);
};

// Folder part of a path: up to and including the last of `separators`; empty without one.
std::string FolderPart(const std::string& path, const std::string& separators);
// File-name part: what follows the last of `separators`; the whole path without one.
std::string FileNamePart(const std::string& path, const std::string& separators);

// setup.ini beside the executable.
std::string SetupIniPath(const platform::Platform& pPlataforma);

#!/usr/bin/env python3
"""The C interface, checked against the C++ facades it forwards to.

Reads the facade classes and RXCursorfun from the public C++ headers, derives
the C function each must have (Class::Function -> Class_Function, with the
type rules of lobbyui_c.h), and compares that with what lobbyui_c.h declares,
what src/capi/LobbyUi.def exports, the README's table and, given a built
LobbyUi.dll, the DLL's export table and the oldest Windows its imports need.

  c_interface.py check [--dll LobbyUi.dll] [--objdump TOOL]
  c_interface.py table        # the README table, for pasting
  c_interface.py def          # the .def file
"""
import argparse
import os
import re
import subprocess
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
FACADE_HEADERS = ['room.h', 'base_data_control.h', 'party_dialogs.h', 'player_info.h', 'settings_dialogs.h']
C_HEADER = 'include/lobbyui/lobbyui_c.h'
DEF_FILE = 'src/capi/LobbyUi.def'
README = 'README.md'
TABLE_BEGIN = '<!-- c-interface-table: begin -->'
TABLE_END = '<!-- c-interface-table: end -->'

# Functions of the C interface with no C++ twin: a C host cannot read m_hWnd.
ADDED = {
    'CR_E_BtnInterface_GetBtnWindow': 'LOBBYUI_HBUTTON',
    'CWebDlgInterface_GetWebDlgWindow': 'LOBBYUI_HWEBDLG',
}

# C++ parameter type -> C parameter type.
PARAM_TYPES = {
    'CWnd*': 'HWND', 'CImageList*': 'HIMAGELIST', 'CBitmap*': 'HBITMAP', 'CString': 'const char*',
    'CRect': 'const RECT*', 'bool': 'int', 'CButton*': 'LOBBYUI_HBUTTON', 'CDialog*': 'LOBBYUI_HWEBDLG',
    'char*': 'const char*',
}
RETURN_TYPES = {'bool': 'int', 'CButton*': 'LOBBYUI_HBUTTON', 'CDialog*': 'LOBBYUI_HWEBDLG'}


def norm(t):
    t = re.sub(r'\s+', ' ', t.strip())
    return re.sub(r'\s*([*&])', r'\1', t)


def split_param(p):
    p = norm(p)
    m = re.match(r'^(.*?[\w*&])\s*\b(\w+)$', p)
    return (norm(m.group(1)), m.group(2)) if m else (p, '')


def cxx_functions():
    """[(class or None, name, return type, [(type, name)])] in header order."""
    out = []
    for header in FACADE_HEADERS:
        text = open(os.path.join(ROOT, 'include/lobbyui', header), encoding='utf-8').read()
        for cls, body in re.findall(r'class LOBBYUI_API (\w+) \{(.*?)\n\};', text, re.S):
            for ret, name, params in re.findall(r'^\s*static ([\w\s*&]+?)\s*\b(\w+)\(([^)]*)\);', body, re.M):
                params = [split_param(p) for p in params.split(',') if p.strip()]
                out.append((cls, name, norm(ret), params))
    frame = open(os.path.join(ROOT, 'include/lobbyui/frame.h'), encoding='utf-8').read()
    ret, name, params = re.search(r'LOBBYUI_API (\w+) (RXCursorfun)\(([^)]*)\);', frame).groups()
    out.append((None, name, ret, [split_param(p) for p in params.split(',')]))
    return out


def c_name(cls, name, params):
    if cls is None:
        return 'LobbyUi_' + name
    if cls == 'CPT_MapInerface' and re.match(r'SetCombo\d$', name) and not params:
        return '%s_Clear%s' % (cls, name[3:])
    return '%s_%s' % (cls, name)


def c_signature(cls, name, ret, params):
    """(C name, C return type, [C parameter types])."""
    cparams = []
    for t, n in params:
        if t.endswith('*&'):
            cparams.append(t[:-1] + '*')
        else:
            cparams.append(PARAM_TYPES.get(t, t))
    cret = RETURN_TYPES.get(ret, ret)
    if ret.startswith('tag') and not ret.endswith('*'):
        # A record returned by value comes back through the caller's record.
        cparams.append(ret + '*')
        cret = 'void'
    return c_name(cls, name, params), cret, cparams


def cxx_text(cls, name, ret, params):
    scope = cls + '::' if cls else ''
    return '`%s%s(%s)`' % (scope, name, ', '.join(t for t, _ in params))


def c_header_functions():
    text = open(os.path.join(ROOT, C_HEADER), encoding='utf-8').read()
    text = re.sub(r'/\*.*?\*/', '', text, flags=re.S)
    found = {}
    for ret, name, params in re.findall(r'LOBBYUI_C_API\s+([\w\s*]+?)\s*WINAPI\s+(\w+)\(([^)]*)\);', text):
        params = [] if params.strip() == 'void' else [split_param(p)[0] for p in params.split(',')]
        found[name] = (norm(ret), params)
    return found


def stack_bytes(params):
    return sum(8 if t == 'POINT' else 4 for t in params)


def def_text(header):
    lines = ['; LobbyUi.dll: the C interface (lobbyui/lobbyui_c.h). Every function is',
             '; __stdcall and exported under its plain name: link with --kill-at, and',
             '; make an import library with llvm-dlltool -k or dlltool -k.',
             'LIBRARY LobbyUi.dll', 'EXPORTS']
    for name in sorted(header):
        lines.append('    %s@%d' % (name, stack_bytes(header[name][1])))
    return '\n'.join(lines) + '\n'


def table_text(funcs):
    rows = ['| C++ | C |', '|---|---|']
    for cls, name, ret, params in funcs:
        cname, cret, cparams = c_signature(cls, name, ret, params)
        rows.append('| %s | `%s %s(%s)` |' % (cxx_text(cls, name, ret, params), cret, cname, ', '.join(cparams) or 'void'))
    for cname, handle in ADDED.items():
        rows.append('| (`->m_hWnd`) | `HWND %s(%s)` |' % (cname, handle))
    return '\n'.join(rows)


# Imports that need a Windows newer than XP, with the oldest that has them.
NEWER_THAN_XP = {
    'GetTickCount64': 'Vista', 'InitializeSRWLock': 'Vista', 'AcquireSRWLockExclusive': 'Vista',
    'AcquireSRWLockShared': 'Vista', 'InitializeConditionVariable': 'Vista', 'SleepConditionVariableCS': 'Vista',
    'SleepConditionVariableSRW': 'Vista', 'InitOnceExecuteOnce': 'Vista', 'InitializeCriticalSectionEx': 'Vista',
    'CompareStringEx': 'Vista', 'GetLocaleInfoEx': 'Vista', 'CreateEventExA': 'Vista', 'CreateEventExW': 'Vista',
    'GetFileInformationByHandleEx': 'Vista', 'CreateSymbolicLinkW': 'Vista',
    'TryAcquireSRWLockExclusive': '7', 'TryAcquireSRWLockShared': '7', 'GetCurrentProcessorNumberEx': '7',
    'GetSystemTimePreciseAsFileTime': '8', 'CreateFile2': '8', 'SetThreadDescription': '10',
}
WINDOWS_ORDER = ['XP', 'Vista', '7', '8', '10']


def dll_imports(dll, objdump):
    out = subprocess.run([objdump, '-p', dll], check=True, capture_output=True, text=True).stdout
    part = out.split('The Import Tables', 1)[1].split('The Export Tables', 1)[0]
    return set(re.findall(r'^\t[0-9a-f]+\t\s*\d+\s+(\w+)$', part, re.M))


def dll_exports(dll, objdump):
    out = subprocess.run([objdump, '-p', dll], check=True, capture_output=True, text=True).stdout
    part = out.split('[Ordinal/Name Pointer] Table', 1)[1]
    return set(re.findall(r'^\s*\[\s*\d+\]\s+(\S+)', part, re.M))


def check(args):
    problems = []
    funcs = cxx_functions()
    header = c_header_functions()
    expected = {}
    for cls, name, ret, params in funcs:
        cname, cret, cparams = c_signature(cls, name, ret, params)
        if cname in expected:
            problems.append('two C++ functions map to %s' % cname)
        expected[cname] = (cret, cparams)
    for cname, handle in ADDED.items():
        expected[cname] = ('HWND', [handle])
    for cname in sorted(set(expected) - set(header)):
        problems.append('lobbyui_c.h lacks %s' % cname)
    for cname in sorted(set(header) - set(expected)):
        problems.append('lobbyui_c.h declares %s, which no C++ function has' % cname)
    for cname in sorted(set(expected) & set(header)):
        if expected[cname] != header[cname]:
            problems.append('%s: lobbyui_c.h says %s, the C++ facade gives %s' % (cname, header[cname], expected[cname]))
    if open(os.path.join(ROOT, DEF_FILE), encoding='utf-8').read() != def_text(header):
        problems.append('%s is not what the header gives (tools/c_interface.py def)' % DEF_FILE)
    readme = open(os.path.join(ROOT, README), encoding='utf-8').read()
    m = re.search(re.escape(TABLE_BEGIN) + r'\n(.*?)\n' + re.escape(TABLE_END), readme, re.S)
    if not m:
        problems.append('README.md has no C interface table')
    elif m.group(1).strip() != table_text(funcs):
        problems.append('README.md\'s C interface table differs from the headers (tools/c_interface.py table)')
    if args.dll:
        exports = dll_exports(args.dll, args.objdump)
        for cname in sorted(expected):
            if cname not in exports:
                problems.append('%s does not export %s undecorated' % (args.dll, cname))
        decorated = sorted(e for e in exports if '@' in e)
        if decorated:
            problems.append('decorated exports: %s' % ', '.join(decorated))
        newer = [(WINDOWS_ORDER.index(v), v, f) for f, v in NEWER_THAN_XP.items() if f in dll_imports(args.dll, args.objdump)]
        oldest = max(newer)[1] if newer else 'XP'
        if 'loads on Windows %s and later' % oldest not in readme:
            problems.append('README.md should say the DLL loads on Windows %s and later (%s)'
                            % (oldest, ', '.join(f for _, _, f in sorted(newer)) or 'no import newer than XP'))
    for p in problems:
        print(p)
    cxx_count = len(funcs)
    print('%d C++ functions, %d C functions (%d added), %s' % (cxx_count, len(header), len(ADDED),
                                                             'mismatch' if problems else 'c interface ok'))
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('what', choices=['check', 'table', 'def'])
    parser.add_argument('--dll')
    parser.add_argument('--objdump', default='i686-w64-mingw32-objdump')
    args = parser.parse_args()
    if args.what == 'table':
        print(table_text(cxx_functions()))
    elif args.what == 'def':
        sys.stdout.write(def_text(c_header_functions()))
    else:
        sys.exit(check(args))


if __name__ == '__main__':
    main()

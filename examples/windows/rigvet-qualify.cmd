@echo off
rem Runs the Rigvet check once on this PC, for a scheduled task, a startup or logon script or a
rem deployment tool:
rem   rigvet-qualify.cmd [SHARE]
rem SHARE (or the variable RIGVET_SHARE) is the folder that receives COMPUTERNAME.json, this
rem PC's full result, and one row in rigvet.csv, which every PC appends to. RIGVET_CLI names
rem rigvet-cli.exe when it is not where the MSI installs it. The exit code is rigvet-cli.exe's
rem (0 pass, 1 fail, 2 unknown, 3 refused, 4 error, 74 result not recorded), or 64 for bad usage.
setlocal
set "share=%~1"
if "%share%"=="" set "share=%RIGVET_SHARE%"
if "%share%"=="" goto usage
rem ProgramW6432 is the 64-bit Program Files folder also when a 32-bit tool runs this file.
set "programs=%ProgramW6432%"
if "%programs%"=="" set "programs=%ProgramFiles%"
set "cli=%RIGVET_CLI%"
if "%cli%"=="" set "cli=%programs%\Rigvet\rigvet-cli.exe"
if not exist "%cli%" goto no_cli
rem Without the folder the redirection would fail before rigvet-cli.exe could say so.
if not exist "%share%\" goto no_share
"%cli%" --consent=no --json --csv "%share%\rigvet.csv" > "%share%\%COMPUTERNAME%.json"
exit /b %ERRORLEVEL%

:usage
echo usage: rigvet-qualify.cmd SHARE-FOLDER (or set RIGVET_SHARE) 1>&2
exit /b 64
:no_cli
echo rigvet-qualify: "%cli%" not found 1>&2
exit /b 4
:no_share
echo rigvet-qualify: the folder "%share%" cannot be reached 1>&2
exit /b 74

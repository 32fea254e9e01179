// The whole program in real processes: hand-offs, restores, hostile stored values.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_fixture.h"

namespace dusk::win32::program_test {
namespace {

struct CommandRun {
    DWORD exitCode = 0;
    std::string output;  // standard output and error together
};

// Runs the program as a script does, its standard output and error into a pipe.
CommandRun RunCommand(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueHandle read, write;
    EXPECT_TRUE(::CreatePipe(read.Put(), write.Put(), &inherit, 0));
    ::SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write.Get();
    startup.hStdError = write.Get();
    const std::wstring program = ThisFolder() + L"DuskRelayRecording.exe";
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    PROCESS_INFORMATION info{};
    CommandRun run;
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          ThisFolder().c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start DuskRelayRecording.exe";
        return run;
    }
    Process process(UniqueHandle(info.hProcess), info.dwProcessId);
    ::CloseHandle(info.hThread);
    write.Reset();
    char buffer[512];
    DWORD got = 0;
    while (::ReadFile(read.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        run.output.append(buffer, got);
    }
    EXPECT_TRUE(process.WaitForEnd(kStartTimeoutMs)) << "the command did not end";
    run.exitCode = process.ExitCode();
    return run;
}


TEST_F(ProgramTest, SecondStartWithoutArgumentRestoresTheFirstInstance) {
    // A task is set, so a start wrongly taken as the scheduler's would count down.
    RegisterJob(TriggerKind::Daily, L"Shutdown");
    Process first = Start(L"");
    const HWND mainWindow = WaitForFirstInstance(first);
    ASSERT_NE(mainWindow, nullptr) << "the first instance did not start";
    EXPECT_FALSE(::IsWindowVisible(mainWindow))
        << "with a task set it waits in the notification area";

    Process second = Start(L"");
    ASSERT_TRUE(second.WaitForEnd(kStartTimeoutMs));
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(::IsWindowVisible(mainWindow));
    EXPECT_FALSE(::IsIconic(mainWindow));
    ::Sleep(kSettleMs);
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(RecordedCalls().empty());
    EXPECT_TRUE(JobRegistered());
}

// Where the task is kept depends on the program folder's protection: the scheduler, or the
// program itself, which then stays in the notification area.
bool IsAnswer(const std::string& output, const std::string& task) {
    return output == task + " scheduler\r\n" || output == task + " local\r\n";
}

TEST_F(ProgramTest, CommandsSetQueryAndCancelTheTaskWithAndWithoutARunningInstance) {
    for (const wchar_t* bad :
         {L"/set reboot in 5 /quiet", L"/set shutdown daily 25:99 /quiet",
          L"/set sleep at 2001-02-29 10:00 /quiet", L"/set shutdown at 2001-01-01 10:00 /quiet"}) {
        const CommandRun run = RunCommand(bad);
        EXPECT_EQ(run.exitCode, 1u) << run.output;
        EXPECT_FALSE(run.output.empty());
    }
    EXPECT_FALSE(JobRegistered()) << "a refused command changed nothing";
    EXPECT_EQ(RunCommand(L"/?").exitCode, 0u);
    // No instance runs: carried out without a window, and the process ends.
    EXPECT_EQ(RunCommand(L"/query").output, "none\r\n");

    // Set without an instance: the process ends, or stays as the first instance for a task it
    // keeps itself; either way a later command reads the task back.
    Process setter = Start(L"/SET restart daily 03:00 /quiet");
    ASSERT_TRUE(
        WaitUntil([&] { return !setter.Running() || setter.Window(kMainWindowClass) != nullptr; },
                  kStartTimeoutMs));
    ::Sleep(kSettleMs);
    EXPECT_EQ(setter.VisibleWindow(kMainWindowClass), nullptr) << "no window is shown";
    if (!setter.Running()) {
        EXPECT_EQ(setter.ExitCode(), 0u);
    }
    std::string answer = RunCommand(L"/query").output;
    EXPECT_TRUE(IsAnswer(answer, "restart daily 03:00")) << answer;

    // An instance runs: it is handed the command, and its answer comes back.
    std::optional<Process> started;
    if (!setter.Running()) started.emplace(Start(L""));
    const Process& first = started ? *started : setter;
    ASSERT_NE(WaitForFirstInstance(first), nullptr) << "the first instance did not start";
    CommandRun run = RunCommand(L"/set logoff at 2099-12-24 18:00");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    answer = RunCommand(L"/query").output;
    EXPECT_TRUE(IsAnswer(answer, "logoff at 2099-12-24 18:00")) << answer;
    run = RunCommand(L"/cancel /quiet");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_FALSE(JobRegistered());
    EXPECT_EQ(RunCommand(L"/query").output, "none\r\n");
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(RecordedCalls().empty());
}


TEST_F(ProgramTest, StartsWithArgumentCountDownOnceInTheFirstInstanceAndActOnce) {
    RegisterJob(TriggerKind::Daily, L"Shutdown", kJustDueMs);
    Process first = Start(L"");
    ASSERT_NE(WaitForFirstInstance(first), nullptr) << "the first instance did not start";
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);

    Process second = Start(L"-Day -Shutdown");
    const HWND countdown = first.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
    ASSERT_NE(countdown, nullptr) << "the first instance shows no countdown";
    EXPECT_EQ(second.Window(kCountdownWindowClass), nullptr);
    // The scheduler starting the program again meanwhile joins the countdown that runs.
    Process third = Start(L"-Day -Shutdown");
    WaitForCountdownEnd(countdown, {&second, &third});

    for (const Process* later : {&second, &third}) {
        ASSERT_TRUE(later->WaitForEnd(kStartTimeoutMs));
        EXPECT_EQ(later->ExitCode(), 0u);
    }
    ::Sleep(kSettleMs);
    EXPECT_EQ(first.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_EQ(RecordedCalls(), ExitCalls("0xD"));
    EXPECT_TRUE(JobRegistered()) << "a daily job stays for the next day";
}

TEST_F(ProgramTest, RegisteredOneShotJobCountsDownAtTheFirstShowingActsOnceAndIsDeleted) {
    const std::wstring parameters = RegisterJob(TriggerKind::Specified, L"Logoff", kDueNowMs);
    ASSERT_EQ(parameters, L"-Specified -Logoff");
    Process program = Start(parameters);
    const HWND countdown = program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
    ASSERT_NE(countdown, nullptr) << "no countdown at the first showing";
    WaitForCountdownEnd(countdown);

    EXPECT_TRUE(WaitUntil([] { return !RecordedCalls().empty(); }, kCloseTimeoutMs));
    ::Sleep(kSettleMs);
    EXPECT_EQ(RecordedCalls(), ExitCalls("0x4"));
    EXPECT_EQ(program.VisibleWindow(kCountdownWindowClass), nullptr);
    EXPECT_FALSE(JobRegistered()) << "the one-shot job is done";

    // The scheduler's process ends with its action; a log-off leaves no instance behind.
    ASSERT_TRUE(program.WaitForEnd(kSettleMs));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(::FindWindowW(kAppWindowClass, nullptr), nullptr);
}

TEST_F(ProgramTest, CloseFromOutsideDuringTheCountdownEndsWithoutAction) {
    Process program = Start(RegisterJob(TriggerKind::Specified, L"Shutdown", kDueNowMs));
    ASSERT_NE(program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs), nullptr);

    // What a graceful end from outside sends.
    ASSERT_TRUE(::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0));
    ASSERT_TRUE(program.WaitForEnd(kCloseTimeoutMs)) << "the countdown held the program";
    EXPECT_EQ(program.ExitCode(), 0u);
    ::Sleep(kSettleMs);
    EXPECT_EQ(::FindWindowW(kAppWindowClass, nullptr), nullptr) << "a closed program stays closed";
    EXPECT_TRUE(RecordedCalls().empty());
    EXPECT_TRUE(JobRegistered()) << "an interrupted countdown leaves the task for its time";
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream file(path.c_str());
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A portable copy in a folder the user can write, such as Downloads, with an updater and a
// theme library someone put beside it: the elevated program neither starts nor loads them.
TEST_F(ProgramTest, FilesPlantedBesideTheProgramAreNeitherStartedNorLoaded) {
    const std::wstring folder = ThisFolder() + L"planted\\";
    const std::wstring record = folder + L"planted_runs.txt";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::pair<const wchar_t*, const wchar_t*> copies[] = {
        {L"DuskRelayRecording.exe", L"DuskRelayRecording.exe"},
        {L"Vimbly.dll", L"Vimbly.dll"},
        {L"planted_program.exe", L"Nuvelift.exe"},
        {L"planted_library.dll", L"uxtheme.dll"}};
    for (const auto& [from, to] : copies)
        ASSERT_TRUE(::CopyFileW((ThisFolder() + from).c_str(), (folder + to).c_str(), FALSE)) << to;
    ::DeleteFileW(record.c_str());

    {
        Process program = test::StartProcess(folder + L"DuskRelayRecording.exe");
        ASSERT_NE(WaitForFirstInstance(program), nullptr) << "the program did not start";
        ::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForEnd(kCloseTimeoutMs));
    }
    EXPECT_EQ(ReadWholeFile(record), "");

    // The stand-ins leave their trace when run and loaded as an unguarded program would.
    ASSERT_TRUE(test::StartProcess(folder + L"Nuvelift.exe", L"load").WaitForEnd(kStartTimeoutMs));
    EXPECT_EQ(ReadWholeFile(record), "program\nlibrary\n");
}

// A value as it may lie in the registry, of any type and size.
struct RawValue {
    const wchar_t* key;
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<BYTE> TextData(const std::wstring& text) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

std::vector<BYTE> IntegerData(DWORD number) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&number);
    return {bytes, bytes + sizeof number};
}

RawValue Text(const wchar_t* name, const std::wstring& text) {
    return {kSettingsKey, name, REG_SZ, TextData(text)};
}
RawValue Integer(const wchar_t* name, DWORD number) {
    return {kSettingsKey, name, REG_DWORD, IntegerData(number)};
}
RawValue Binary(const wchar_t* name, std::vector<BYTE> data) {
    return {kSettingsKey, name, REG_BINARY, std::move(data)};
}
RawValue Run(DWORD type, std::vector<BYTE> data) {
    return {kRunKey, kRunValue, type, std::move(data)};
}

void SetRawValue(const RawValue& value) {
    win32::UniqueKey key;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, value.key, 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key.Get(), value.name, 0, value.type, value.data.data(),
                               DWORD(value.data.size())),
              ERROR_SUCCESS);
}

struct HostileCase {
    const char* what;
    std::vector<RawValue> values;
    bool taskRestored;  // the main window then stays in the notification area
    bool countsDown;    // due in seconds: its countdown runs out, and must then do nothing
};

// Stored the user's "Shut down" (0) beside a hostile trigger value, so that a value wrongly
// taken for a due task would shut the computer down. Times are made from now: the table is
// made afresh for each start.
std::vector<HostileCase> HostileCases(DateTime now) {
    const RegionalFormats formats(ReadUserRegionalSettings());
    constexpr std::size_t kMegabyteChars = 512 * 1024;
    // Due texts whose start is valid, filled up to 1 MB: must not be read by their start.
    const auto megabyte = [&](std::wstring text) {
        text.resize(kMegabyteChars, L'0');
        return text;
    };
    const std::wstring dailySoon = formats.FormatLongTime(now.Plus(25 * DateTime::kMsPerSecond));
    const std::wstring dueNow = formats.FormatDefault(now);
    const std::wstring dueNowDateTime = formats.FormatDateTime(now);
    const std::wstring inAnHour = formats.FormatDefault(now.Plus(DateTime::kMsPerHour));
    const std::wstring dailyInAnHour = formats.FormatLongTime(now.Plus(DateTime::kMsPerHour));
    const RawValue shutDown = Integer(L"AdjustInfo", 0);
    return {
        {"integers where texts belong",
         {shutDown, Integer(L"Daliy_ShutDown", 1), Integer(L"CountdownTime", 1),
          Integer(L"WaitTime", 1), Integer(L"HourandMinute", 1), Integer(L"Ignore", 1),
          Run(REG_DWORD, IntegerData(1))},
         false,
         false},
        {"binary values holding due texts",
         {Binary(L"AdjustInfo", IntegerData(0)), Binary(L"Daliy_ShutDown", TextData(dailySoon)),
          Binary(L"CountdownTime", TextData(dueNowDateTime)), Binary(L"WaitTime", TextData(dueNow)),
          Binary(L"HourandMinute", TextData(L"1|30")), Binary(L"Ignore", TextData(L"1")),
          Run(REG_BINARY, TextData(L"DuskRelay.exe"))},
         false,
         false},
        {"empty daily time",
         {shutDown, Text(L"Daliy_ShutDown", L""), Text(L"Ignore", L""), Run(REG_SZ, TextData(L""))},
         false,
         false},
        {"empty date-time", {shutDown, Text(L"CountdownTime", L"")}, false, false},
        {"empty default form",
         {shutDown, Text(L"WaitTime", L""), Text(L"HourandMinute", L"")},
         false,
         false},
        {"1 MB daily time",
         {shutDown, Text(L"Daliy_ShutDown", megabyte(dailySoon)), Text(L"Ignore", megabyte(L"1")),
          Run(REG_SZ, TextData(megabyte(L"DuskRelay.exe")))},
         false,
         false},
        {"1 MB date-time",
         {shutDown, Text(L"CountdownTime", megabyte(dueNowDateTime))},
         false,
         false},
        {"1 MB default form", {shutDown, Text(L"WaitTime", megabyte(dueNow))}, false, false},
        {"unparsable daily time", {shutDown, Text(L"Daliy_ShutDown", L"25:61:99")}, false, false},
        {"unparsable date-time",
         {shutDown, Text(L"CountdownTime", L"31/13/2026 25:61:99")},
         false,
         false},
        {"unparsable default form", {shutDown, Text(L"WaitTime", L"yesterday")}, false, false},
        {"hostile delay fields of a task in an hour",
         {shutDown, Text(L"WaitTime", inAnHour), Text(L"HourandMinute", megabyte(L"1|"))},
         true,
         false},
        {"action code as 1 MB text beside a daily task in an hour",
         {Text(L"AdjustInfo", megabyte(L"0")), Text(L"Daliy_ShutDown", dailyInAnHour)},
         true,
         false},
        {"action code out of range beside a daily task in an hour",
         {Integer(L"AdjustInfo", 99), Text(L"Daliy_ShutDown", dailyInAnHour)},
         true,
         false},
        {"action code as text beside a daily task due in seconds",
         {Text(L"AdjustInfo", L"0"), Text(L"Daliy_ShutDown", dailySoon)},
         true,
         true},
    };
}

TEST_F(ProgramTest, HostileStoredValuesStartTheProgramAndNeverLeadToAnAction) {
    const std::size_t count = HostileCases(SystemClock().Now()).size();
    for (std::size_t i = 0; i < count; ++i) {
        const HostileCase hostile = HostileCases(SystemClock().Now())[i];
        SCOPED_TRACE(hostile.what);
        CleanState();
        for (const RawValue& value : hostile.values) SetRawValue(value);

        Process program = Start(L"");
        const HWND mainWindow = WaitForFirstInstance(program);
        ASSERT_NE(mainWindow, nullptr) << "the program did not start";
        EXPECT_NE(program.Window(kAppWindowClass), nullptr);
        EXPECT_EQ(::IsWindowVisible(mainWindow) != FALSE, !hostile.taskRestored);
        if (hostile.countsDown) {
            const HWND countdown =
                program.WaitForVisibleWindow(kCountdownWindowClass, kStartTimeoutMs);
            ASSERT_NE(countdown, nullptr) << "the due task did not count down";
            WaitForCountdownEnd(countdown);
            ::Sleep(kSettleMs);
        } else {
            EXPECT_EQ(program.VisibleWindow(kCountdownWindowClass), nullptr);
        }
        EXPECT_TRUE(RecordedCalls().empty());
        ASSERT_TRUE(program.Running());
        ::PostMessageW(program.Window(kAppWindowClass), WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForEnd(kCloseTimeoutMs));
        EXPECT_EQ(program.ExitCode(), 0u);
    }
}

int VisibleWindowCount(const wchar_t* className) {
    int count = 0;
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, className, nullptr))) {
        if (::IsWindowVisible(window)) ++count;
    }
    return count;
}

TEST_F(ProgramTest, TenConcurrentStartsRunOneCountdownAndActOnce) {
    RegisterJob(TriggerKind::Daily, L"Shutdown", kJustDueMs);
    Process first = Start(L"");
    ASSERT_NE(WaitForFirstInstance(first), nullptr) << "the first instance did not start";

    constexpr std::size_t kStarts = 10;
    std::vector<Process> later;
    for (std::size_t i = 0; i < kStarts; ++i)
        later.push_back(Start(i % 2 ? L"" : L"-Day -Shutdown"));

    // Ends are seen before the countdown windows, so an end seen with a countdown showing
    // happened while it showed.
    int mostShowing = 0, countdownsRun = 0;
    bool wasShowing = false, handOffEndedEarly = false;
    std::vector<bool> seenEnded(kStarts, false);
    const bool allEnded = WaitUntil(
        [&] {
            std::vector<bool> ended(kStarts);
            for (std::size_t i = 0; i < kStarts; ++i) ended[i] = !later[i].Running();
            const int showing = VisibleWindowCount(kCountdownWindowClass);
            mostShowing = std::max(mostShowing, showing);
            if (showing > 0 && !wasShowing) ++countdownsRun;
            wasShowing = showing > 0;
            for (std::size_t i = 0; i < kStarts; i += 2) {  // the scheduled starts
                if (ended[i] && !seenEnded[i] && (showing > 0 || countdownsRun == 0)) {
                    handOffEndedEarly = true;
                }
            }
            seenEnded = ended;
            return showing == 0 &&
                   std::all_of(ended.begin(), ended.end(), [](bool e) { return e; });
        },
        kStartTimeoutMs + kCountdownTimeoutMs);
    ASSERT_TRUE(allEnded) << "a start or the countdown did not end";
    EXPECT_LE(mostShowing, 1) << "two countdowns showed at once";
    EXPECT_EQ(countdownsRun, 1);
    EXPECT_FALSE(handOffEndedEarly) << "a scheduled start did not wait for the countdown";
    for (const Process& process : later) EXPECT_EQ(process.ExitCode(), 0u);

    ::Sleep(kSettleMs);
    const std::vector<std::string> calls = RecordedCalls();
    const auto actions = std::count_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("ExitSession", 0) == 0;
    });
    EXPECT_EQ(actions, countdownsRun) << "one action per countdown that ran out";
    if (countdownsRun == 1) {
        EXPECT_EQ(calls, ExitCalls("0xD"));
    }
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(JobRegistered()) << "the daily job stays";
}

}  // namespace
}  // namespace dusk::win32::program_test

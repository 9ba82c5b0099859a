// The serial port on Windows through CreateFile, SetCommState,
// SetCommTimeouts, ReadFile and WriteFile on a plain (not overlapped) handle.
// Every call returns within a time limit of its own, so the port serves the
// transfer's worker thread without an event loop, on Windows and under wine
// alike (wine's emulation of WaitCommEvent on a serial device never reports
// received bytes, so nothing here asks for it).

#include "platform/win32_serial_port.h"

#include "platform/file_system_windows.h"

#include <algorithm>
#include <cmath>
#include <windows.h>

namespace ft817 {
namespace {

HANDLE handleOf(void* handle)
{
    return static_cast<HANDLE>(handle);
}

// The system's own words for an error code, without the closing line break.
std::string systemMessage(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), text.data(), size, nullptr,
                            nullptr);
    }
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "system error " + std::to_string(code) : text;
}

// Every byte at 9600 baud with 8N2 takes about 1.15 ms on the line.
constexpr DWORD kWriteTimePerByte = 2;
constexpr DWORD kWriteTimeConstant = 3000;

} // namespace

Win32SerialPort::Win32SerialPort(std::string device) : m_device(std::move(device)) {}

Win32SerialPort::~Win32SerialPort()
{
    close();
}

std::string Win32SerialPort::systemPath(const std::string& device)
{
    if (device.rfind("\\\\.\\", 0) == 0)
        return device;
    // COM10 and above open only by this path; COM1 to COM9 by either.
    return "\\\\.\\" + device;
}

Status Win32SerialPort::open()
{
    if (isOpen())
        return {};
    m_broken = false;
    m_input.clear();
    m_readWait = ~0UL;
    const std::wstring path = windows_files::widePath(systemPath(m_device));
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        const std::string prefix = "cannot open " + m_device + ": ";
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return Error{prefix + "no such device",
                         "Check that the cable is plugged in and that the port name is right "
                         "(for example COM3, as the Device Manager shows it); choose another with --port."};
        if (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION)
            return Error{prefix + "the port is in use",
                         "Another program has the port open; close it and try again."};
        return Error{prefix + systemMessage(code), {}};
    }
    m_handle = handle;
    SetupComm(handle, 4096, 4096);
    if (Status set = applyLineSettings(); !set) {
        close();
        return Error{"cannot set up " + m_device + ": " + set.error().message, {}};
    }
    PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    return {};
}

Status Win32SerialPort::applyLineSettings()
{
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handleOf(m_handle), &dcb))
        return Error{systemMessage(GetLastError()), {}};
    dcb.BaudRate = static_cast<DWORD>(m_baud);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // Interface cables take their power from these lines.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(handleOf(m_handle), &dcb))
        return Error{systemMessage(GetLastError()), {}};
    return {};
}

Status Win32SerialPort::setBaudRate(int baud)
{
    m_baud = baud;
    if (!isOpen())
        return {};
    if (Status set = applyLineSettings(); !set)
        return Error{
            "cannot set " + m_device + " to " + std::to_string(baud) + " baud: " + set.error().message, {}};
    return {};
}

void Win32SerialPort::close()
{
    if (!isOpen())
        return;
    CloseHandle(handleOf(m_handle));
    m_handle = nullptr;
    m_input.clear();
}

bool Win32SerialPort::isOpen() const
{
    return m_handle != nullptr;
}

void Win32SerialPort::setTextInputOneByte()
{
    // Bytes are always read unchanged; nothing to switch.
}

bool Win32SerialPort::setReadWait(unsigned long milliseconds)
{
    if (milliseconds == m_readWait)
        return true;
    COMMTIMEOUTS timeouts{};
    if (milliseconds == 0) {
        // Whatever has arrived, at once, even nothing.
        timeouts.ReadIntervalTimeout = MAXDWORD;
    } else {
        timeouts.ReadTotalTimeoutConstant = milliseconds;
    }
    timeouts.WriteTotalTimeoutMultiplier = kWriteTimePerByte;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeConstant;
    if (!SetCommTimeouts(handleOf(m_handle), &timeouts)) {
        noteFailure();
        return false;
    }
    m_readWait = milliseconds;
    return true;
}

void Win32SerialPort::noteFailure()
{
    m_broken = true;
}

void Win32SerialPort::take(bool wait)
{
    if (!isOpen() || m_broken)
        return;
    std::uint8_t buffer[512];
    // A wait reads one byte: the read ends with the first byte to arrive.
    const DWORD wanted = wait ? 1 : sizeof(buffer);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handleOf(m_handle), buffer, wanted, &got, nullptr)) {
            noteFailure();
            return;
        }
        m_input.insert(m_input.end(), buffer, buffer + got);
        if (wait || got < wanted)
            return;
    }
}

void Win32SerialPort::clearInput()
{
    if (!isOpen())
        return;
    PurgeComm(handleOf(m_handle), PURGE_RXCLEAR);
    if (setReadWait(0))
        take(false);
    m_input.clear();
}

Error Win32SerialPort::brokenError() const
{
    return Error{"the connection to " + m_device + " was lost",
                 "The device went away while in use; check the cable and try again."};
}

Result<int> Win32SerialPort::inputCount()
{
    if (!isOpen())
        return Error{m_device + " is not open", {}};
    if (setReadWait(0))
        take(false);
    if (m_broken && m_input.empty())
        return brokenError();
    return static_cast<int>(m_input.size());
}

std::optional<std::uint8_t> Win32SerialPort::readByte()
{
    if (!isOpen())
        return std::nullopt;
    if (m_input.empty() && setReadWait(0))
        take(false);
    if (m_input.empty())
        return std::nullopt;
    const std::uint8_t byte = m_input.front();
    m_input.pop_front();
    return byte;
}

bool Win32SerialPort::waitForInput(double seconds)
{
    if (!isOpen() || m_broken || !m_input.empty() || seconds <= 0)
        return true;
    const auto milliseconds = static_cast<unsigned long>(std::max(1.0, std::ceil(seconds * 1000.0)));
    if (setReadWait(milliseconds))
        take(true);
    return true;
}

Status Win32SerialPort::write(std::span<const std::uint8_t> bytes)
{
    if (!isOpen())
        return Error{m_device + " is not open", {}};
    if (m_broken)
        return brokenError();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(bytes.size() - sent);
        if (!WriteFile(handleOf(m_handle), bytes.data() + sent, size, &written, nullptr) || written == 0) {
            noteFailure();
            return brokenError();
        }
        sent += written;
    }
    return {};
}

Result<int> Win32SerialPort::outputCount()
{
    if (!isOpen())
        return Error{m_device + " is not open", {}};
    if (m_broken)
        return brokenError();
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handleOf(m_handle), &errors, &status)) {
        noteFailure();
        return brokenError();
    }
    return static_cast<int>(status.cbOutQue);
}

} // namespace ft817

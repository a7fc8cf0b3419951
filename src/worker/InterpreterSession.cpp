#include "worker/InterpreterSession.h"

#include <QByteArray>
#include <ghostscript/iapi.h>
#include <ghostscript/ierrors.h>
#include <vector>

namespace {
    int GSDLLCALL readNothing(void*, char*, int) { return 0; }

    int GSDLLCALL passOutput(void* handle, const char* text, int length)
    {
        (*static_cast<const InterpreterSession::OutputHandler*>(handle))(text, length);
        return length;
    }
} // namespace

int InterpreterSession::run(const QStringList& arguments, const OutputHandler& onOutput)
{
    // The byte strings live until the run ends; argv points into them.
    std::vector<QByteArray> argumentBytes;
    argumentBytes.reserve(static_cast<size_t>(arguments.size()));
    for (const QString& argument : arguments) {
        argumentBytes.push_back(argument.toUtf8());
    }
    std::vector<char*> argv;
    for (QByteArray& bytes : argumentBytes) {
        argv.push_back(bytes.data());
    }

    void* instance = nullptr;
    int code = gsapi_new_instance(&instance, nullptr);
    if (code < 0 || instance == nullptr) {
        return code < 0 ? code : gs_error_Fatal;
    }
    OutputHandler handler = onOutput;
    gsapi_set_stdio_with_handle(instance, readNothing, passOutput, passOutput, &handler);
    gsapi_set_arg_encoding(instance, GS_ARG_ENCODING_UTF8);
    code = gsapi_init_with_args(instance, static_cast<int>(argv.size()), argv.data());
    const int exitCode = gsapi_exit(instance);
    gsapi_delete_instance(instance);
    return code == 0 || code == gs_error_Quit ? exitCode : code;
}

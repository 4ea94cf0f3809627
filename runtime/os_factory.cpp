// The POSIX factory and the factory singleton.
#include "runtime/os_factory.h"

HQabsFactory& HQabsFactory::Instance() {
    static HQNTFactory factory;
    return factory;
}

std::unique_ptr<HQabsProcess> HQNTFactory::CreateProcess(const HQSTRING& command, int newSession,
                                                         int signalNumber) {
    return std::make_unique<HQNTProcess>(command, newSession, signalNumber);
}

std::unique_ptr<HQabsThread> HQNTFactory::CreateThread(HQabsThread::StartFunction start,
                                                       void* argument) {
    return std::make_unique<HQNTThread>(start, argument);
}

std::unique_ptr<HQabsMutexSemaphore> HQNTFactory::CreateMutexSemaphore(const HQSTRING& name) {
    auto mutex = std::make_unique<HQNTMutexSemaphore>(name);
    mutex->Create();
    return mutex;
}

std::unique_ptr<HQabsEventSemaphore> HQNTFactory::CreateEventSemaphore(const HQSTRING& name) {
    auto event = std::make_unique<HQNTEventSemaphore>(name);
    event->Create();
    return event;
}

std::unique_ptr<HQabsThreadControl> HQNTFactory::CreateThreadControl() {
    return std::make_unique<HQNTThreadControl>();
}

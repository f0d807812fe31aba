/* The smallest session manager that can end a session: it waits for one client to register,
 * and once the trigger file given on the command line exists it asks the client to save itself
 * as at logout (shutdown, no interaction), waits until it is done, and, once the second trigger
 * file exists, tells it to die. Prints "SESSION_MANAGER=<address>" on its first line so the
 * caller can start the client, and "saved" when the client has saved. Only clients on this
 * machine are let in.
 * usage: logoutsm SAVE_TRIGGER DIE_TRIGGER */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static SmsConn client;
static int saved, closed;

static Status registerClient(SmsConn c, SmPointer data, char *previousId)
{
    (void)data;
    free(previousId);
    client = c;
    return SmsRegisterClientReply(c, SmsGenerateClientID(c));
}
static void interactRequest(SmsConn c, SmPointer d, int t) { (void)c; (void)d; (void)t; }
static void interactDone(SmsConn c, SmPointer d, Bool cancel) { (void)c; (void)d; (void)cancel; }
static void saveRequest(SmsConn c, SmPointer d, int t, Bool s, int i, Bool f, Bool g)
{
    (void)c; (void)d; (void)t; (void)s; (void)i; (void)f; (void)g;
}
static void saveP2Request(SmsConn c, SmPointer d) { (void)c; (void)d; }
static void saveDone(SmsConn c, SmPointer d, Bool success)
{
    (void)c; (void)d;
    saved = success ? 1 : -1;
    printf("saved\n");
    fflush(stdout);
}
static void closeConnection(SmsConn c, SmPointer d, int count, char **reasons)
{
    (void)d;
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(c);
    SmsCleanUp(c);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    closed = 1;
}
static void setProperties(SmsConn c, SmPointer d, int n, SmProp **props)
{
    (void)c; (void)d;
    for (int i = 0; i < n; ++i)
        SmFreeProperty(props[i]);
    free(props);
}
static void deleteProperties(SmsConn c, SmPointer d, int n, char **names)
{
    (void)c; (void)d;
    for (int i = 0; i < n; ++i)
        free(names[i]);
    free(names);
}
static void getProperties(SmsConn c, SmPointer d) { SmsReturnProperties(c, 0, NULL); (void)d; }

static Status newClient(SmsConn c, SmPointer data, unsigned long *mask, SmsCallbacks *cb, char **failure)
{
    (void)c; (void)data; (void)failure;
    memset(cb, 0, sizeof *cb);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveRequest;
    cb->save_yourself_phase2_request.callback = saveP2Request;
    cb->save_yourself_done.callback = saveDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
            | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask
            | SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask
            | SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

static Bool localHost(char *host) { return host && strncmp(host, "local/", 6) == 0; }

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    char error[256];
    if (!SmsInitialize("tobberly-test", "1", newClient, NULL, localHost, sizeof error, error)) {
        fprintf(stderr, "logoutsm: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj *listens;
    if (!IceListenForConnections(&count, &listens, sizeof error, error) || count == 0) {
        fprintf(stderr, "logoutsm: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listens[i], localHost);
    char *ids = IceComposeNetworkIdList(count, listens);
    printf("SESSION_MANAGER=%s\n", ids);
    fflush(stdout);

    IceConn ice = NULL;
    int asked = 0, died = 0;
    for (int rounds = 0; rounds < 600 && !closed; ++rounds) { /* at most a minute */
        struct pollfd fds[16];
        int n = 0;
        for (int i = 0; i < count && n < 15; ++i)
            fds[n++] = (struct pollfd){IceGetListenConnectionNumber(listens[i]), POLLIN, 0};
        const int iceAt = n;
        if (ice)
            fds[n++] = (struct pollfd){IceConnectionNumber(ice), POLLIN, 0};
        poll(fds, n, 100);
        const int iceReady = ice && (fds[iceAt].revents & (POLLIN | POLLHUP));
        for (int i = 0; i < count; ++i)
            if (fds[i].revents & POLLIN) {
                IceAcceptStatus st;
                IceConn c = IceAcceptConnection(listens[i], &st);
                if (c && !ice)
                    ice = c;
            }
        if (iceReady && IceProcessMessages(ice, NULL, NULL) == IceProcessMessagesIOError)
            break;
        if (client && !asked && access(argv[1], F_OK) == 0) {
            SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
            asked = 1;
        }
        if (asked && saved && !died && access(argv[2], F_OK) == 0) {
            SmsDie(client);
            died = 1;
        }
    }
    printf("saved=%d died=%d closed=%d\n", saved, died, closed);
    return saved == 1 && died ? 0 : 1;
}

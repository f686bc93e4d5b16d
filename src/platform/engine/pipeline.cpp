// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/engine/pipeline.h"

#include <gst/audio/streamvolume.h>
#include <gst/gst.h>

#include <cmath>

namespace Platform::Engine {

namespace {
// playbin's flags: audio with its own volume, and no video, subtitles or visualisation.
constexpr int PlayAudio = 0x2;
constexpr int PlaySoftVolume = 0x10;
// How often the position is read while playing; in between, the player's owner
// counts on with the clock.
constexpr unsigned TickMs = 1000;

// The pipeline's state for each target, in the order Stopped, Paused, Playing.
constexpr GstState TargetStates[] = {GST_STATE_READY, GST_STATE_PAUSED, GST_STATE_PLAYING};

double Seconds(gint64 nanoseconds) { return nanoseconds > 0 ? double(nanoseconds) / GST_SECOND : 0.0; }
} // namespace

Pipeline::Pipeline(Notify notify) : notify_(std::move(notify))
{
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return;
    // Without a sound server or device, the automatic output falls back to a silent
    // sink that still keeps time, so that songs play, and end, as they would be heard.
    playbin_ = gst_element_factory_make("playbin", "korvel");
    if (!playbin_)
        return;
    gst_object_ref_sink(playbin_);
    g_object_set(playbin_, "flags", PlayAudio | PlaySoftVolume, nullptr);
    GMainContext *context = g_main_context_get_thread_default();
    GstBus *bus = gst_element_get_bus(playbin_);
    busWatch_ = gst_bus_create_watch(bus);
    gst_object_unref(bus);
    g_source_set_callback(busWatch_, reinterpret_cast<GSourceFunc>(reinterpret_cast<void (*)()>(&OnBusMessage)), this, nullptr);
    g_source_attach(busWatch_, context);
    ticks_ = g_timeout_source_new(TickMs);
    g_source_set_callback(ticks_, &OnTick, this, nullptr);
    g_source_attach(ticks_, context);
    // The output opens now, not with the first song.
    gst_element_set_state(playbin_, GST_STATE_READY);
}

Pipeline::~Pipeline()
{
    if (!playbin_)
        return;
    for (GSource *source : {busWatch_, ticks_}) {
        g_source_destroy(source);
        g_source_unref(source);
    }
    gst_element_set_state(playbin_, GST_STATE_NULL);
    gst_object_unref(playbin_);
}

void Pipeline::Open(uint64_t opening, uint64_t timeline, const std::string &file)
{
    opening_ = opening;
    timeline_ = timeline;
    target_ = Target::Stopped;
    loaded_ = false;
    ended_ = false;
    if (!playbin_) {
        Send(Notice::Kind::Failed, 0, timeline_, "GStreamer's playbin is missing");
        return;
    }
    Reset();
    gchar *uri = file.empty() ? nullptr : gst_filename_to_uri(file.c_str(), nullptr);
    if (!uri) {
        Send(Notice::Kind::Failed, 0, timeline_, "not a readable regular file");
        return;
    }
    g_object_set(playbin_, "uri", uri, nullptr);
    g_free(uri);
    SetTarget(Target::Playing);
}

void Pipeline::Play(uint64_t opening)
{
    if (opening == opening_ && playbin_)
        SetTarget(Target::Playing);
}

void Pipeline::Pause(uint64_t opening)
{
    if (opening == opening_ && playbin_)
        SetTarget(Target::Paused);
}

void Pipeline::Stop(uint64_t opening, uint64_t timeline)
{
    if (opening != opening_ || !playbin_)
        return;
    timeline_ = timeline;
    target_ = Target::Stopped;
    ended_ = false;
    Reset();
}

void Pipeline::Seek(uint64_t opening, uint64_t timeline, double seconds)
{
    if (opening != opening_ || !playbin_)
        return;
    if (target_ == Target::Stopped) {
        timeline_ = timeline;
        pendingSeek_.reset();
        // The seek was asked for before the end was heard of, and the end no longer
        // counts: playback goes on from there.
        if (ended_) {
            pendingSeek_ = PendingSeek{seconds, timeline};
            SetTarget(Target::Playing);
        } else if (seconds > 0) {
            // Stopped, playback starts again at 0: only a seek elsewhere waits for the next Play.
            pendingSeek_ = PendingSeek{seconds, timeline};
        }
        return;
    }
    pendingSeek_ = PendingSeek{seconds, timeline};
    if (loaded_ && !inFlight_)
        StartPendingSeek();
}

void Pipeline::SetVolume(double decibels)
{
    if (playbin_)
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(playbin_), GST_STREAM_VOLUME_FORMAT_DB, decibels);
}

void Pipeline::SetTarget(Target target)
{
    target_ = target;
    ended_ = false;
    // A change asked for while another is under way waits until the pipeline has
    // settled: a pipeline sent to PAUSED on its way to PLAYING can stay unsettled for good.
    if (!inFlight_)
        Apply();
}

void Pipeline::Apply()
{
    inFlight_ = true;
    switch (gst_element_set_state(playbin_, TargetStates[int(target_)])) {
    case GST_STATE_CHANGE_ASYNC:
        break;
    case GST_STATE_CHANGE_FAILURE:
        gst_element_set_state(playbin_, GST_STATE_NULL);
        Finish("the pipeline could not start");
        break;
    default:
        Settle();
        break;
    }
}

void Pipeline::Reset()
{
    gst_element_set_state(playbin_, GST_STATE_READY);
    GstBus *bus = gst_element_get_bus(playbin_);
    gst_bus_set_flushing(bus, TRUE);
    gst_bus_set_flushing(bus, FALSE);
    gst_object_unref(bus);
    inFlight_ = false;
    seekInFlight_.reset();
    pendingSeek_.reset();
}

void Pipeline::StartPendingSeek()
{
    const PendingSeek seek = *pendingSeek_;
    pendingSeek_.reset();
    timeline_ = seek.timeline;
    const auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (gst_element_seek_simple(playbin_, GST_FORMAT_TIME, flags, gint64(std::llround(seek.seconds * GST_SECOND)))) {
        inFlight_ = true;
        seekInFlight_ = seek.timeline;
    }
}

int Pipeline::OnBusMessage(GstBus *, GstMessage *message, void *self)
{
    static_cast<Pipeline *>(self)->Handle(message);
    return G_SOURCE_CONTINUE;
}

int Pipeline::OnTick(void *self)
{
    auto *pipeline = static_cast<Pipeline *>(self);
    // Not every change ends in a message of its own.
    pipeline->Settle();
    if (pipeline->loaded_ && !pipeline->inFlight_ && !pipeline->pendingSeek_ && pipeline->target_ == Target::Playing)
        pipeline->Send(Notice::Kind::Position, pipeline->Position(), pipeline->timeline_);
    return G_SOURCE_CONTINUE;
}

void Pipeline::Handle(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ASYNC_DONE:
        // The first after an Open: the file is loaded, on its way to playing, not yet settled.
        if (!loaded_ && inFlight_) {
            loaded_ = true;
            Send(Notice::Kind::Loaded, Duration(), timeline_);
        }
        Settle();
        break;
    case GST_MESSAGE_STATE_CHANGED:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT_CAST(playbin_))
            Settle();
        break;
    case GST_MESSAGE_EOS:
        // An end reached before a seek took effect is not where playback goes on.
        if (!seekInFlight_ && !pendingSeek_)
            Finish({});
        break;
    case GST_MESSAGE_ERROR: {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const std::string why = error && error->message ? error->message : "GStreamer failed";
        g_clear_error(&error);
        // After an error playbin plays nothing more until it has been taken down to NULL.
        gst_element_set_state(playbin_, GST_STATE_NULL);
        Finish(why);
        break;
    }
    case GST_MESSAGE_DURATION_CHANGED:
        if (loaded_)
            Send(Notice::Kind::Duration, Duration(), timeline_);
        break;
    case GST_MESSAGE_CLOCK_LOST:
        // The output that gave the clock went away: a new one is chosen on the way back to playing.
        if (target_ == Target::Playing) {
            gst_element_set_state(playbin_, GST_STATE_PAUSED);
            Apply();
        }
        break;
    default:
        break;
    }
}

void Pipeline::Settle()
{
    GstState state = GST_STATE_VOID_PENDING;
    if (!inFlight_ || gst_element_get_state(playbin_, &state, nullptr, 0) == GST_STATE_CHANGE_ASYNC)
        return;
    inFlight_ = false;
    // Settled in PAUSED or PLAYING, the file has been loaded, with an ASYNC_DONE or without.
    if (!loaded_) {
        loaded_ = true;
        Send(Notice::Kind::Loaded, Duration(), timeline_);
    }
    if (seekInFlight_) {
        Send(Notice::Kind::Seeked, Position(), *seekInFlight_);
        seekInFlight_.reset();
    }
    // What was asked for while the pipeline was busy: a state, then a seek.
    if (state != TargetStates[int(target_)])
        Apply();
    else if (pendingSeek_)
        StartPendingSeek();
    else
        Send(Notice::Kind::Position, Position(), timeline_);
}

void Pipeline::Finish(const std::string &why)
{
    if (target_ == Target::Stopped)
        return;
    Send(loaded_ ? Notice::Kind::Ended : Notice::Kind::Failed, 0, timeline_, why);
    target_ = Target::Stopped;
    Reset();
    ended_ = loaded_;
}

double Pipeline::Position() const
{
    gint64 position = 0;
    return gst_element_query_position(playbin_, GST_FORMAT_TIME, &position) ? Seconds(position) : 0.0;
}

double Pipeline::Duration() const
{
    gint64 duration = 0;
    return gst_element_query_duration(playbin_, GST_FORMAT_TIME, &duration) ? Seconds(duration) : 0.0;
}

void Pipeline::Send(Notice::Kind kind, double seconds, uint64_t timeline, std::string detail) const
{
    notify_(Notice{kind, opening_, timeline, seconds, std::move(detail)});
}

} // namespace Platform::Engine

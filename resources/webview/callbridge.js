// Gives pages the bridge calls they are written against:
//   CallBridge.invokeMethod(name, ...args)
//   CallBridge.addEventListener(name, listener) / removeEventListener
//   cefViewQuery({request, onSuccess, onFailure})
// Calls made before the channel is up are queued, not lost.
(function () {
    'use strict';
    if (window.CallBridge && window.CallBridge.__shim) return;
    var listeners = {};
    var pending = [];
    var queries = {};
    var nextQuery = 1;
    var native = null;

    function send(fn) { if (native) fn(native); else pending.push(fn); }

    window.CallBridge = {
        __shim: true,
        invokeMethod: function (name) {
            var args = Array.prototype.slice.call(arguments, 1);
            send(function (b) { b.invokeMethod(name, args); });
        },
        addEventListener: function (name, listener) {
            (listeners[name] = listeners[name] || []).push(listener);
        },
        removeEventListener: function (name, listener) {
            var list = listeners[name] || [];
            var i = list.indexOf(listener);
            if (i >= 0) list.splice(i, 1);
        },
        reportJavascriptResult: function (context, result) {
            send(function (b) { b.reportJavascriptResult(context, result); });
        }
    };

    window.cefViewQuery = function (q) {
        var id = nextQuery++;
        queries[id] = q;
        send(function (b) { b.query(id, String(q.request)); });
        return id;
    };

    function rects(selectorValue) {
        var out = [];
        var all = document.querySelectorAll('*');
        for (var i = 0; i < all.length; ++i) {
            var style = getComputedStyle(all[i]);
            var values = [style.getPropertyValue('-webkit-app-region'),
                          style.getPropertyValue('app-region'),
                          all[i].getAttribute('data-app-region')];
            var match = false;
            for (var v = 0; v < values.length; ++v)
                if (values[v] && values[v].trim() === selectorValue) match = true;
            if (!match) continue;
            var r = all[i].getBoundingClientRect();
            if (r.width > 0 && r.height > 0)
                out.push([r.left, r.top, r.width, r.height]);
        }
        return out;
    }
    function reportRegions() {
        send(function (b) { b.reportDraggableRegions(rects('drag'), rects('no-drag')); });
    }

    function connect() {
        new QWebChannel(qt.webChannelTransport, function (channel) {
            native = channel.objects.CallBridge;
            native.eventBroadcast.connect(function (name, args) {
                var list = (listeners[name] || []).slice();
                for (var i = 0; i < list.length; ++i) {
                    try { list[i].apply(null, args); } catch (e) { console.error(e); }
                }
            });
            native.queryAnswered.connect(function (id, ok, response, code) {
                var q = queries[id];
                delete queries[id];
                if (!q) return;
                if (ok && q.onSuccess) q.onSuccess(response);
                if (!ok && q.onFailure) q.onFailure(code, response);
            });
            var queued = pending;
            pending = [];
            for (var i = 0; i < queued.length; ++i) queued[i](native);
            reportRegions();
        });
    }
    connect();
    window.addEventListener('load', reportRegions);
    window.addEventListener('resize', reportRegions);
})();

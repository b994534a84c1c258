// Drives headless Chromium through its DevTools protocol over a pipe, with real input events.
// node browser.js CHROMIUM PROFILE STEPS.json prints a JSON array: what each step returns, then
// the URLs of all requests. A step is an object with the name of one of `schritte` as a key.
"use strict";
const [chromium, profil, datei] = process.argv.slice(2);
const browser = require("child_process").spawn(chromium, ["--headless=new", "--no-sandbox",
    "--disable-gpu", "--hide-scrollbars", "--disable-smooth-scrolling", "--remote-debugging-pipe",
    `--user-data-dir=${profil}`, "about:blank"], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
const [offen, anfragen] = [new Map(), []];
let [nummer, sitzung, rest, geladen] = [0, undefined, "", null];
browser.stdio[4].setEncoding("utf8").on("data", (teil) => {
    const nachrichten = (rest + teil).split("\0");
    rest = nachrichten.pop();
    for (const n of nachrichten.map((t) => JSON.parse(t))) {
        if (offen.has(n.id)) {
            offen.get(n.id)(n);
        } else if (n.method === "Page.loadEventFired") {
            geladen();
        } else if (n.method === "Network.requestWillBeSent") {
            anfragen.push(n.params.request.url);
        }
    }
});

function senden(method, params = {}) {
    browser.stdio[3].write(`${JSON.stringify({ id: ++nummer, method, params, sessionId: sitzung })}\0`);
    return new Promise((fertig, fehler) => offen.set(nummer, (n) =>
        (n.error ? fehler(new Error(`${method}: ${n.error.message}`)) : fertig(n.result))));
}
const js = async (expression) =>
    (await senden("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true })).result.value;
// The expression's value once the page has drawn its next frame.
const nachBild = (ausdruck) => js(`new Promise((fertig) =>
    requestAnimationFrame(() => requestAnimationFrame(() => fertig(${ausdruck}))))`);
const maus = (type, [x, y], buttons, button = "left", modifiers = 0) =>
    senden("Input.dispatchMouseEvent", { type, x, y, button, buttons, modifiers, clickCount: 1 });
// Finger i of a moment keeps the id i; a touch's end lifts the fingers it names, or all.
const finger = (type, punkte, erster = 0) => senden("Input.dispatchTouchEvent",
    { type, touchPoints: punkte.map(([x, y], i) => ({ x, y, id: erster + i })) });
async function oeffnen(url) { // in a fresh document, also where only the fragment differs
    for (const adresse of ["about:blank", url]) {
        const fertig = new Promise((f) => (geladen = f));
        await senden("Page.navigate", { url: adresse });
        await fertig;
    }
}
const codes = { Tab: 9, " ": 32, Home: 36, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40 };

async function taste(name) { // "Tab", "Shift+Tab", "Ctrl+1", "+", ...
    const [, ctrl, shift, key] = name.match(/^(Ctrl\+)?(Shift\+)?(.+)$/);
    const modifiers = (ctrl ? 2 : 0) | (shift ? 8 : 0);
    const art = { key, windowsVirtualKeyCode: codes[key] ?? 0, modifiers };
    const text = key.length === 1 && !(modifiers & 2) ? key : undefined;
    await senden("Input.dispatchKeyEvent", { type: text ? "keyDown" : "rawKeyDown", text, ...art });
    await senden("Input.dispatchKeyEvent", { type: "keyUp", ...art });
}

const schritte = {
    laden: async (s) => {
        await senden("Emulation.setDeviceMetricsOverride",
            { width: s.breite, height: s.hoehe, deviceScaleFactor: 1, mobile: s.mobil });
        await senden("Emulation.setTouchEmulationEnabled", { enabled: s.mobil });
        await oeffnen(s.laden);
    },
    wieder: async () => oeffnen(await js("location.href")),
    tasten: async (s) => {
        await js(`window.genommen ?? addEventListener("keydown", (e) => e.defaultPrevented &&
            genommen.push((e.ctrlKey ? "Ctrl+" : "") + e.key)); genommen = [];`);
        for (const name of s.tasten) {
            await taste(name);
        }
    },
    // pressed at the first place, moved to each further, released at the last
    maus: async (s) => {
        const [knopf, bit, shift] = [s.knopf ?? "left", s.knopf === "middle" ? 4 : 1, s.shift ? 8 : 0];
        for (const [i, ort] of s.maus.entries()) {
            await maus(i === 0 ? "mousePressed" : "mouseMoved", ort, bit, knopf, shift);
        }
        await maus("mouseReleased", s.maus.at(-1), 0, knopf, shift);
    },
    zeiger: (s) => maus("mouseMoved", s.zeiger, 0, "none"),
    rad: ({ rad: [x, y, deltaY] }) => senden("Input.dispatchMouseEvent", { type: "mouseWheel", x, y, deltaX: 0, deltaY }),
    // the touch points of each moment; a finger left out is lifted, then all are
    finger: async (s) => {
        let vorher = [];
        for (const punkte of s.finger) {
            if (punkte.length < vorher.length) {
                await finger("touchEnd", vorher.slice(punkte.length), punkte.length);
            }
            await finger(vorher.length === 0 ? "touchStart" : "touchMove", punkte);
            vorher = punkte;
        }
        await finger("touchEnd", []);
    },
    tippen: async (s) => { // a finger's tap on the middle of the element with that id
        const r = await js(`document.getElementById("${s.tippen}").getBoundingClientRect().toJSON()`);
        await schritte.finger({ finger: [[[r.x + r.width / 2, r.y + r.height / 2]]] });
    },
    status: () => nachBild(`[document.querySelector("[aria-live]")].map((e) =>
        [e.role, e.ariaLive, e.textContent].join(" "))[0]`),
    lage: () => js(`(() => {
        const [z, s] = ["zeichnung", "steuerung"].map((id) => document.getElementById(id).getBoundingClientRect());
        const e = document.activeElement;
        const wo = s.left >= z.right ? "daneben" : s.top >= z.bottom ? "darunter" : "darueber";
        return [z.width, z.height, wo, scrollY, visualViewport.scale, e.id,
            getComputedStyle(e).outlineStyle !== "none", document.documentElement.lang];
    })()`),
    adresse: () => nachBild("[location.hash, history.length]"),
    cdp: (s) => senden(s.cdp),
    // #zeichnung as a data URL and the keys whose default the page prevented, as "Ctrl+0 Home"
    bild: () => nachBild(`[document.getElementById("zeichnung").toDataURL(), (window.genommen ?? []).join(" ")]`),
};

(async () => {
    const seite = (await senden("Target.getTargets")).targetInfos.find((t) => t.type === "page");
    sitzung = (await senden("Target.attachToTarget", { targetId: seite.targetId, flatten: true })).sessionId;
    await Promise.all([senden("Page.enable"), senden("Network.enable")]);
    const ergebnisse = [];
    for (const s of JSON.parse(require("fs").readFileSync(datei, "utf8"))) {
        ergebnisse.push((await schritte[Object.keys(schritte).find((n) => n in s)](s)) ?? null);
    }
    process.stdout.write(JSON.stringify([...ergebnisse, anfragen]));
})().catch((fehler) => {
    process.stderr.write(`${fehler.stack}\n`);
    process.exitCode = 1;
}).finally(() => browser.kill());

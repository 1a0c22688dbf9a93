// Opens a web page in headless Chromium, as any browser would show it, and prints as JSON on
// standard output: the page's text as the browser lays it out, what the axe-core accessibility
// checker finds wrong in it, and the page's names as a screen reader gets them (tables, their
// headers). A screenshot of the whole page is saved.
//   node page_check.mjs CHROMIUM AXE_JS PAGE.html SCREENSHOT.png
// Chromium is driven through its DevTools protocol on a pipe: no port, no network.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [chromium, axePath, page, shot] = process.argv.slice(2);
if (!shot) {
    console.error('usage: node page_check.mjs CHROMIUM AXE_JS PAGE.html SCREENSHOT.png');
    process.exit(2);
}
const profile = mkdtempSync(join(tmpdir(), 'sidelines-browser-'));
const browser = spawn(chromium, [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    `--user-data-dir=${profile}`, '--remote-debugging-pipe', '--hide-scrollbars', 'about:blank',
], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
let errors = '';
browser.stderr.on('data', (d) => { errors += d; });

let finishing = false;
const finish = (code, message) => {
    if (finishing)
        return;
    finishing = true;
    if (message)
        console.error(message);
    // The profile goes once the browser has stopped writing into it. Its helper processes end a
    // moment after the browser itself and may still write meanwhile: the removal is tried again
    // for a while, and a profile left in the temporary folder never fails the check.
    const removeProfile = () => {
        const pause = new Int32Array(new SharedArrayBuffer(4));
        for (let attempt = 0; attempt < 30; ++attempt) {
            try {
                rmSync(profile, { recursive: true, force: true });
                break;
            } catch {
                Atomics.wait(pause, 0, 0, 100);
            }
        }
        process.exit(code);
    };
    if (browser.exitCode !== null || browser.signalCode !== null)
        removeProfile();
    browser.once('exit', removeProfile);
    browser.kill('SIGKILL');
};
// A browser that hangs fails the check instead of holding the test until its time runs out.
setTimeout(() => finish(1, `the browser did not answer in time\n${errors}`), 90000).unref();
browser.on('exit', (code) => finish(1, `the browser ended (${code})\n${errors}`));

const waiting = new Map();
const events = [];
let eventWaiter = null;
let nextId = 1;
let buffer = Buffer.alloc(0);
browser.stdio[4].on('data', (chunk) => {
    buffer = Buffer.concat([buffer, chunk]);
    for (let end = buffer.indexOf(0); end >= 0; end = buffer.indexOf(0)) {
        const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
        buffer = buffer.subarray(end + 1);
        if (message.id && waiting.has(message.id)) {
            const { resolve, reject } = waiting.get(message.id);
            waiting.delete(message.id);
            if (message.error)
                reject(new Error(JSON.stringify(message.error)));
            else
                resolve(message.result);
        } else if (message.method) {
            events.push(message);
            if (eventWaiter)
                eventWaiter();
        }
    }
});
const send = (method, params = {}, sessionId = undefined) => new Promise((resolve, reject) => {
    const id = nextId++;
    waiting.set(id, { resolve, reject });
    browser.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
});
const event = async (method) => {
    for (;;) {
        const at = events.findIndex((e) => e.method === method);
        if (at >= 0)
            return events.splice(at, 1)[0];
        await new Promise((resolve) => { eventWaiter = resolve; });
    }
};

try {
    const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
    const call = (method, params) => send(method, params, sessionId);
    const evaluate = async (expression) => {
        const { result, exceptionDetails } = await call('Runtime.evaluate',
            { expression, awaitPromise: true, returnByValue: true });
        if (exceptionDetails)
            throw new Error(JSON.stringify(exceptionDetails));
        return result.value;
    };
    await call('Page.enable');
    await call('Emulation.setDeviceMetricsOverride', { width: 1280, height: 900, deviceScaleFactor: 1, mobile: false });
    await call('Page.navigate', { url: pathToFileURL(page).href });
    await event('Page.loadEventFired');

    const text = await evaluate('document.body.innerText');
    const language = await evaluate('document.documentElement.lang');
    // Each table and picture as assistive technology gets them, from the browser's accessibility
    // tree: a table's name and its column and row headers, a picture's name.
    await call('Accessibility.enable');
    const { nodes } = await call('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const role = (n) => (n.role ? n.role.value : '');
    const name = (n) => (n.name ? n.name.value : '');
    const below = (n, wanted, out = []) => {
        for (const id of n.childIds || []) {
            const child = byId.get(id);
            if (!child)
                continue;
            if (role(child) === wanted)
                out.push(name(child));
            else if (role(child) !== 'table')
                below(child, wanted, out);
        }
        return out;
    };
    const tables = nodes.filter((n) => role(n) === 'table').map((n) => ({
        name: name(n), columnHeaders: below(n, 'columnheader'), rowHeaders: below(n, 'rowheader') }));
    const charts = nodes.filter((n) => role(n) === 'image' || role(n) === 'img').map(name);
    await evaluate(readFileSync(axePath, 'utf8'));
    const violations = await evaluate(`axe.run(document, { resultTypes: ['violations'] })
        .then((r) => r.violations.map((v) => ({ id: v.id, help: v.help,
                                                nodes: v.nodes.map((n) => n.target.join(' ')) })))`);
    // The whole page in one picture.
    const height = await evaluate('Math.ceil(document.documentElement.scrollHeight)');
    await call('Emulation.setDeviceMetricsOverride', { width: 1280, height, deviceScaleFactor: 1, mobile: false });
    const { data } = await call('Page.captureScreenshot', { format: 'png' });
    writeFileSync(shot, Buffer.from(data, 'base64'));
    process.stdout.write(JSON.stringify({ text, language, tables, charts, violations }));
    finish(0);
} catch (e) {
    finish(1, `${e.stack}\n${errors}`);
}

// The page clean-up scripts, run as the program runs them (printed by print_page_script)
// against real documents. The stand-ins model what the system's engine does differently from
// a standards DOM: a frame's src reads as written in the page, plug-ins have a `movie`
// property, images have a `fileSize` text.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const { JSDOM } = require('jsdom');

const printer = process.env.PRINT_PAGE_SCRIPT;
if (!printer) throw new Error('PRINT_PAGE_SCRIPT names the print_page_script program');

function script(...args) {
    return execFileSync(printer, args, { encoding: 'latin1' });
}

// A document at `url`; `listed` tells which absolute addresses the content list blocks. The
// asked addresses are recorded; after `budget` questions every answer is "no", so that a
// script that walks without end comes to a stop and the test can count.
function page(html, { url = 'http://site.example/dir/page.html', listed = () => false, budget = 50 } = {}) {
    const dom = new JSDOM(html, { url, runScripts: 'outside-only' });
    const asked = [];
    dom.window.external.qrIsAdContent = (address) => {
        asked.push(address);
        return asked.length <= budget && listed(address);
    };
    return { dom, window: dom.window, document: dom.window.document, asked };
}

// The engine gives a frame's or plug-in's address as it is written in the page.
function asWritten(element, property, value) {
    Object.defineProperty(element, property, { configurable: true, get: () => value });
}

const isAd = (address) => address.includes('/ads/');

test('the placeholder script is one line in the engine\'s old script language', () => {
    for (const text of [script('kill-blank', '<AD>'), script('reload-images')]) {
        assert.ok(!/[\r\n]/.test(text), 'one line');
        assert.ok(!/=>|\blet\s|\bconst\s|`|\bclass\s/.test(text), text);
    }
});

test('two adjacent listed frames are both replaced, the others stay', () => {
    const p = page(
        '<p id="box"><iframe src="/ads/one.html"></iframe><iframe src="/ads/two.html"></iframe>' +
        '<iframe src="/news.html"></iframe><img src="/ads/pic.gif"><img src="/logo.gif"></p>',
        { listed: isAd });
    p.window.eval(script('kill-blank', '<AD>'));
    assert.equal(p.document.getElementById('box').innerHTML,
        '<ad></ad><ad></ad><iframe src="/news.html"></iframe><ad></ad><img src="/logo.gif">');
    assert.deepEqual(p.asked, [
        'http://site.example/ads/one.html', 'http://site.example/ads/two.html',
        'http://site.example/news.html', 'http://site.example/ads/pic.gif',
        'http://site.example/logo.gif']);
});

test('embedded and object plug-ins are tested by src and by movie', () => {
    const p = page('<div id="box"><embed src="/ads/e.swf"><object id="o"></object>' +
        '<object id="n"></object></div>', { listed: isAd });
    asWritten(p.document.getElementById('o'), 'movie', 'http://cdn.example/ads/o.swf');
    p.window.eval(script('kill-blank', 'X'));
    assert.equal(p.document.getElementById('box').innerHTML, 'XX<object id="n"></object>');
    assert.deepEqual(p.asked, ['http://site.example/ads/e.swf', 'http://cdn.example/ads/o.swf']);
});

test('a relative address is resolved against the page before it is tested', () => {
    const p = page('<iframe id="a"></iframe><iframe id="b"></iframe><iframe id="c"></iframe>' +
        '<iframe id="d"></iframe><object id="e"></object>',
        { url: 'http://site.example/dir/sub/page.html?from=a/b' });
    asWritten(p.document.getElementById('a'), 'src', 'ads/banner.html');
    asWritten(p.document.getElementById('b'), 'src', '/top.html');
    asWritten(p.document.getElementById('c'), 'src', '../up.html');
    asWritten(p.document.getElementById('d'), 'src', 'https://other.example/x.html');
    asWritten(p.document.getElementById('e'), 'movie', 'flash/m.swf');
    p.window.eval(script('kill-blank', '<AD>'));
    assert.deepEqual(p.asked, [
        'http://site.example/dir/sub/ads/banner.html',
        'http://site.example/top.html',
        'http://site.example/dir/up.html',
        'https://other.example/x.html',
        'http://site.example/dir/sub/flash/m.swf']);
});

test('a placeholder that holds a listed element of the same tag ends the walk', () => {
    const blank = '<img src="http://site.example/ads/pic.gif" alt="placeholder">';
    const p = page('<p id="box"><img src="/ads/pic.gif"><img src="/ads/pic.gif"></p>',
        { listed: isAd });
    p.window.eval(script('kill-blank', blank));
    assert.equal(p.asked.length, 2, 'each element of the page asked once, the placeholders never');
    const images = p.document.querySelectorAll('#box img');
    assert.equal(images.length, 2);
    for (const image of images) assert.equal(image.getAttribute('alt'), 'placeholder');
});

test('an element taken out with a replaced ancestor is not tested', () => {
    const p = page('<object id="outer"><object id="inner"></object></object><object id="next"></object>',
        { listed: isAd });
    asWritten(p.document.getElementById('outer'), 'movie', '/ads/outer.swf');
    asWritten(p.document.getElementById('inner'), 'movie', '/ads/inner.swf');
    asWritten(p.document.getElementById('next'), 'movie', '/next.swf');
    p.window.eval(script('kill-blank', '<AD>'));
    assert.deepEqual(p.asked, ['http://site.example/ads/outer.swf', 'http://site.example/next.swf']);
    assert.equal(p.document.body.innerHTML, '<ad></ad><object id="next"></object>');
});

test('the placeholder is inserted exactly as typed, quotes, backslashes and line ends included', () => {
    const typed = 'it\'s "ours" \\ back\r\nslash </script><b>\t</b>';
    const p = page('<iframe id="f" src="/ads/x.html"></iframe>', { listed: isAd });
    let inserted = null;
    Object.defineProperty(p.document.getElementById('f'), 'outerHTML', {
        configurable: true, set: (value) => { inserted = value; } });
    p.window.eval(script('kill-blank', typed));
    assert.equal(inserted, typed);
});

test('the page\'s error handler and functions are the page\'s again afterwards', () => {
    for (const failing of [false, true]) {
        const p = page('<iframe src="/ads/x.html"></iframe><img src="/ads/y.gif">');
        p.window.eval('function killTag(){return "page";} function cancelError(){return "page";}' +
            'var pageHandler=function(){return false;}; window.onerror=pageHandler;');
        const seen = [];
        p.window.external.qrIsAdContent = (address) => {
            seen.push(p.window.onerror !== p.window.pageHandler && p.window.onerror() === true);
            if (failing) throw new Error('refused ' + address);
            return true;
        };
        p.window.eval(script('kill-blank', '<AD>'));
        assert.deepEqual(seen, [true, true], 'errors silenced while it runs, each element tried');
        assert.equal(p.window.onerror, p.window.pageHandler);
        assert.equal(p.window.eval('killTag()'), 'page');
        assert.equal(p.window.eval('cancelError()'), 'page');
        assert.equal(p.window.eval('typeof inDocument + typeof absolute + typeof savedError'),
            'undefinedundefinedundefined');
    }
});

test('a page without the program\'s external object is left as it was', () => {
    const p = page('<p id="box"><iframe src="/ads/x.html"></iframe></p>');
    delete p.window.external.qrIsAdContent;
    p.window.onerror = null;
    p.window.eval(script('kill-blank', '<AD>'));
    assert.equal(p.document.getElementById('box').innerHTML, '<iframe src="/ads/x.html"></iframe>');
    assert.equal(p.window.onerror, null);
});

test('images that did not show are loaded again, the others are left alone', () => {
    const p = page('<img id="done" src="/a.gif"><img id="broken" src="/b.gif">' +
        '<img id="pending" src="/c.gif">');
    const sets = [];
    const spy = (id, complete, fileSize) => {
        const image = p.document.getElementById(id);
        let src = image.src;
        Object.defineProperty(image, 'complete', { configurable: true, get: () => complete });
        if (fileSize !== undefined)
            Object.defineProperty(image, 'fileSize', { configurable: true, get: () => fileSize });
        Object.defineProperty(image, 'src', { configurable: true, get: () => src,
            set: (value) => { sets.push(id + '=' + value); src = value; } });
    };
    spy('done', true, '2048');
    spy('broken', true, '-1');
    spy('pending', false);
    p.window.onerror = null;
    p.window.eval(script('reload-images'));
    assert.deepEqual(sets, ['broken=', 'broken=http://site.example/b.gif',
        'pending=', 'pending=http://site.example/c.gif']);
    assert.equal(p.window.onerror, null);
});

// The floating-advertisement script the installation ships, split from its file as the
// program splits it (the text between the first tag's ">" and "</script>").
function shippedFlyingScript() {
    const file = require('node:fs').readFileSync(
        require('node:path').join(__dirname, '../../resources/Resource/KillFlying.htm'), 'latin1');
    const open = file.indexOf('>');
    return file.substring(open + 1, file.toLowerCase().indexOf('</script>', open + 1));
}

test('the shipped floating-advertisement script hides positioned boxes that hold only an ad', () => {
    const p = page(
        '<div id="float" style="position:absolute;top:10px"><a href="/go"><img src="/ad.gif"></a></div>' +
        '<div id="fixed" style="position:fixed"> <!-- ad --> <embed src="/ad.swf"> </div>' +
        '<div id="menu" style="position:fixed"><a href="/">Home</a></div>' +
        '<div id="pair" style="position:absolute"><img src="/a.gif"><img src="/b.gif"></div>' +
        '<div id="inline"><img src="/c.gif"></div>' +
        '<img id="placed" style="position:absolute" src="/d.gif">');
    p.window.onerror = null;
    p.window.eval(shippedFlyingScript());
    const hidden = [...p.document.querySelectorAll('[id]')]
        .filter((e) => e.style.display === 'none').map((e) => e.id);
    assert.deepEqual(hidden, ['float', 'fixed']);
    assert.equal(p.window.onerror, null);
    assert.equal(p.window.eval('typeof positioned + typeof onlyMedia'), 'undefinedundefined');
});

// The zoom commands run their script element's text in the page, as the page-script runner
// does; a script element that is not exactly one element is a fault of the program.
function runZoom(p, command) {
    const element = script('zoom', String(command));
    const match = /^<script language="JavaScript">([\s\S]*)<\/script>$/.exec(element);
    assert.ok(match && !/<\/script/i.test(match[1]), element);
    p.window.eval(match[1]);
    return p.document.body.style.zoom;
}

const ZOOM_MORE = 33154;
const ZOOM_LESS = 33155;

test('zoom More and Less step by ten from the page\'s zoom and never reach zero', () => {
    const p = page('<p>text</p>');
    assert.equal(runZoom(p, ZOOM_MORE), '110%');  // no zoom style yet: taken as 100
    assert.equal(runZoom(p, 33152), '100%');
    p.document.body.style.zoom = '19%';
    assert.equal(runZoom(p, ZOOM_MORE), '28%');   // 19 is taken as 18
    const steps = [];
    for (let i = 0; i < 4; ++i)
        steps.push(runZoom(p, ZOOM_LESS));
    assert.deepEqual(steps, ['18%', '8%', '8%', '8%']);
    p.document.body.style.zoom = 'normal';
    assert.equal(runZoom(p, ZOOM_LESS), '90%');
    assert.equal(runZoom(p, 33151), '50%');
    assert.equal(runZoom(p, 33153), '150%');
});

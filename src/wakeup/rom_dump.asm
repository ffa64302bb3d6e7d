; RomDump.com: writes the 65,536 bytes of real-mode segment F000h, offsets 0
; to FFFFh in order, to standard output and ends. A DOS write takes at most
; 65,535 bytes, so the segment goes out as 65,535 bytes and then 1 byte.
; Exit code 0, or the DOS error code of the write that failed.
;
; The program reads memory and writes to handle 1 only; the command
; interpreter that runs it redirects that handle into the dump file.

        cpu     8086
        org     100h

stdout  equ     1

start:
        mov     ax, 0F000h
        mov     ds, ax
        xor     dx, dx                  ; F000:0000
        mov     cx, 0FFFFh              ; 65,535 bytes
        call    write
        mov     dx, cx                  ; F000:FFFF, the last byte
        mov     cx, 1
        call    write
        mov     ax, 4C00h               ; exit code 0
        int     21h

; Writes CX bytes from DS:DX to standard output; on failure the program ends
; with the error code that DOS returned in AL.
write:
        mov     bx, stdout
        mov     ah, 40h
        int     21h
        jnc     .written
        mov     ah, 4Ch
        int     21h
.written:
        ret

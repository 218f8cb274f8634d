/* The floor of reading a .ustx: the whole file read into memory, then every libyaml event of it
 * parsed and dropped, as the fill's reader does, with nothing else. Prints the count of events.
 *
 *     ustx_event_walk FILE
 */

#include <yaml.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        fprintf(stderr, "usage: ustx_event_walk FILE\n");
        return 2;
    }
    FILE* file = fopen(argv[1], "rb");
    if (file == NULL || fseek(file, 0, SEEK_END) != 0) {
        perror(argv[1]);
        return 1;
    }
    const long size = ftell(file);
    rewind(file);
    unsigned char* bytes = malloc(size > 0 ? (size_t)size : 1);
    if (bytes == NULL || fread(bytes, 1, (size_t)size, file) != (size_t)size) {
        perror(argv[1]);
        return 1;
    }
    fclose(file);

    yaml_parser_t parser;
    yaml_event_t event;
    unsigned long events = 0;
    yaml_parser_initialize(&parser);
    yaml_parser_set_input_string(&parser, bytes, (size_t)size);
    for (;;) {
        if (!yaml_parser_parse(&parser, &event)) {
            fprintf(stderr, "%s: %s\n", argv[1], parser.problem);
            return 1;
        }
        ++events;
        const int ended = event.type == YAML_STREAM_END_EVENT;
        yaml_event_delete(&event);
        if (ended)
            break;
    }
    yaml_parser_delete(&parser);
    free(bytes);
    printf("%lu events\n", events);
    return 0;
}
